// The display order of the collection: the sort state, the ordering of two
// tracks under it, and the sort of the store's tracks. Every sort takes its
// state as an argument; TheSortState() is the one the window keeps.
//
// The sort is the in-place quicksort below run twice (first by artist
// ascending, then by the sort state); it is not stable, so the exact
// algorithm decides the order of tracks that compare equal, and the order
// a user sees depends on it. It runs on the user-interface thread.
#pragma once

#include "core/SortKeys.h"
#include "core/TrackRecord.h"

#include <cstddef>

namespace vuv {

class CollectionStore;
class GenreList;

constexpr const char* kSecondKeySetting = "VUV2ndSortOn";  // secondKey + 1

struct SortState {
    int sortKey = kSortArtist;  // 0..17
    int secondKey = -1;         // -1 automatic, or 0..17
    bool descending = false;    // applies to sortKey only
    int lastClickedKey = -1;    // the column type clicked last
};

// The program's sort state; sortKey, descending and lastClickedKey start at
// 1, false and -1 in every run.
SortState& TheSortState();
// secondKey from the setting (its value - 1; missing means automatic).
void LoadSortSettings();

// The second key used when secondKey is automatic: 7 for the album key, 2
// for the artist key, 1 for every other key.
int AutomaticSecondKey(int sortKey);

// Whether a sorts before b: sortKey (inverted when descending), then the
// second key (never inverted), then the track number when the second key
// is the album.
bool TrackLess(const TrackRecord& a, const TrackRecord& b, const SortState& state,
               const GenreList* genres);

// Sorts `count` record pointers in place: one quicksort pass with key 1
// ascending (same second key), then one with `state`. The same quicksort
// as with TrackLess, comparing precomputed ranks instead of records (each
// key's values ranked among the range's values, texts under the text
// comparison), so every comparison gives TrackLess's answer.
void SortTrackPointers(TrackRecord** tracks, size_t count, const SortState& state,
                       const GenreList* genres);

// Sorts the store's tracks from `first` to `last` inclusive (first = -1:
// all; `last` is cut to the last track) under `state`. The ranks of every
// key used are kept for the next sort of the same range while the store's
// ChangeCount() stays as this sort left it. `follow` is the
// index of a track before the sort (-1: none); the result is its index
// after it, found as the first track with the same path byte for byte (the
// list keeps its focused track so), or -1.
int SortTracks(CollectionStore& store, const SortState& state, int first, int last,
               int follow = -1);

// A click on the header of a column of type `columnType`: sorts the whole
// store by it, ascending on the first click and toggling the direction on
// each further click of the same column. Returns `follow`'s new index as
// SortTracks does.
int OnColumnClick(CollectionStore& store, SortState& state, int columnType, int follow = -1);

// The order of a sorted save: key 1 (artist, then title) in the state's
// direction, with its second key.
SortState SaveSortState(const SortState& state);

}  // namespace vuv
