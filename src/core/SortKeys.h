// The 18 sort keys, which are also the column types of the track list, and
// how two records compare under one of them.
#pragma once

#include "core/TrackRecord.h"

namespace vuv {

class GenreList;

enum SortKey : int {
    kSortStatus = 0,
    kSortArtist = 1,
    kSortTitle = 2,
    kSortGenre = 3,
    kSortPreference = 4,
    kSortLength = 5,
    kSortAlbum = 6,
    kSortTrackNumber = 7,
    kSortKbps = 8,
    kSortSampleRate = 9,
    kSortSize = 10,
    kSortType = 11,
    kSortChannels = 12,
    kSortVolumeBoost = 13,
    kSortYear = 14,
    kSortFilename = 15,
    kSortPlayed = 16,
    kSortDateAdded = 17,
    kSortKeyCount = 18,
};

struct KeyComparison {
    bool before;  // a's value is smaller than b's
    bool equal;   // the values are equal
};

// Compares one key's field of two records. Texts compare byte by byte as
// unsigned values with A..Z mapped onto a..z; the genre key compares the
// genre texts under `genres` (no list: empty texts). A key outside 0..17
// compares every pair as equal.
KeyComparison CompareTracks(const TrackRecord& a, const TrackRecord& b, int key,
                            const GenreList* genres);

// The rank the status key compares: 4000000 for missing, else 1 for new,
// else 4 for not in selection, else the flags value (signed).
int32_t StatusRank(uint32_t flags);

// <0, 0, >0 for two NUL-terminated texts compared ignoring case as above.
int CompareTextIgnoringCase(const char* a, const char* b);

}  // namespace vuv
