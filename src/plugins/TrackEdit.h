// Editing tracks of the collection as the properties dialog does: what the
// selected tracks have in common when the dialog opens, and the edit its OK
// applies to each of them, records and music files' tags alike. The dialog
// and vuvtool's "edit" both call these; they show and ask nothing.
//
// User-interface thread (the plug-ins are called).
#pragma once

#include "core/CollectionStore.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vuv {

// A genre's membership over the selected tracks, and what OK does with it.
enum class GenreState {
    Excluded,  // none has it; after OK none has it
    Included,  // all have it; after OK all have it
    Mixed,     // some have it; after OK each keeps what it had
};

struct GenreChoice {
    uint16_t id;
    GenreState state;
};

// What the selected tracks have in common, taken from the top.
struct TrackSelectionSummary {
    std::string artist;  // empty where the tracks differ
    std::string album;
    std::string title;   // the title of a single selected track; empty with several
    int year = 0;        // 0 where they differ
    int trackNumber = 0;
    int preference = -1;  // -1 where they differ
    int volumeBoost = -1;
    // Every genre of the genre list, in the list's order.
    std::vector<GenreChoice> genres;
};

// `rows` are store indexes (list rows); indexes past the end are ignored.
TrackSelectionSummary SummariseTracks(const CollectionStore& store, const std::vector<size_t>& rows);

// The choices in the order of the dialog's sorted genre list: by name,
// ignoring case under the user's locale.
void SortGenreChoicesByName(const GenreList& genres, std::vector<GenreChoice>& choices);

// The dialog's fields at OK. An empty text leaves that field of every
// track, and its tag element, as it is.
struct TrackEdit {
    std::string artist;  // cut to 99 characters; also added to the artist names
    std::string title;
    std::string album;   // also added to the album names
    std::string year;         // as typed: `year` takes its decimal value, YEAR the text
    std::string trackNumber;  // as typed: `trackNumber` takes the low 8 bits of its value
    std::string comment;      // the COMMENT element only: a record has no comment
    int preference = -1;      // 0..9; -1 leaves it
    int volumeBoost = -1;     // 0..1000 or 4000 (automatic); -1 leaves it
    // Every genre of the list, in the order of the dialog's list: the 20
    // slots of each track are refilled in this order (at most 20), and the
    // genre that lands in the first slot is written as GENRE. Ids not
    // listed leave the tracks.
    std::vector<GenreChoice> genres;
};

struct UnwrittenTag {
    std::string path;
    std::string reason;  // of the first refusal
};

struct TrackEditResult {
    size_t tracks = 0;  // tracks worked on
    size_t edited = 0;  // of those, the ones whose every tag write went through
    // The files that refused a write, in collection order.
    std::vector<UnwrittenTag> unwritten;
    bool stopped = false;  // the progress asked to stop; later tracks are unchanged
};

// Told after each track: (tracks done, tracks in all). False stops the edit
// after that track.
using TrackEditProgress = std::function<bool(size_t done, size_t total)>;

// OK for every selected track from the top: the `new` flag is cleared, each
// non-empty text field goes into the record and through the file's input
// plug-in into its tag (ARTIST, TITLE, ALBUM, YEAR, GENRE, COMMENT, TRACK),
// preference and volume boost are set unless -1, the genre slots are
// refilled. A file without a plug-in that writes tags keeps its tag while
// the record changes. A file that refuses a write (TagFileWriter) is
// reported; its record keeps the values that did not reach the file, so
// that the collection holds what the file holds; the other tracks are
// edited all the same. Nothing is saved: the caller saves the collection.
TrackEditResult ApplyTrackEdit(CollectionStore& store, const std::vector<size_t>& rows,
                               const TrackEdit& edit, const TrackEditProgress& progress = nullptr);

// "'path': reason" per unwritten file, for UnwrittenTagsMessage.
std::vector<std::string> UnwrittenTagLines(const std::vector<UnwrittenTag>& unwritten);

}  // namespace vuv
