// Adding tracks: the one pipeline that every source of music ends in (a
// folder, picked files, playlist entries, dropped or pasted files, the
// hand-off file of sibling programs). For each path of the list it moves
// the file into the arrangement when asked, recognises a file that is in
// the collection already (that track moves to the end instead), reads the
// file through its input plug-in, gives the new track the user's defaults,
// appends it and queues it when asked. It ends by sorting the new tracks
// by artist, selecting them and saving the collection.
//
// Runs on the user-interface thread and dispatches the window messages
// after each file, so the progress window repaints and its Cancel works;
// re-entrancy comes only from that pumping, and the caller keeps other
// commands away from the store meanwhile (the main window is disabled).
//
// Safety of the user's files: a file moves by a rename that never
// overwrites, written ahead to the collection's move journal, so that a
// process that ends before the collection is saved gets its files put back
// where they were at the next load (core/MoveJournal.h). A file whose move
// fails stays where it was and is not added.
#pragma once

#include "core/TrackRecord.h"
#include "core/TrackSort.h"
#include "intake/IntakeSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

class CollectionStore;

// The lock wait: when a move fails the first time in a run, the source is
// tried for an exclusive open every 250 ms for up to 20 s (another program
// may hold the file), then the move is tried once more.
constexpr uint32_t kLockWaitMs = 20000;
constexpr uint32_t kLockPollMs = 250;

// The messages a run may end with.
constexpr const char* kExistedMessage = "Track(s) were not added because they existed already.";
constexpr const char* kFailedMessage = "Track(s) could not be added - possibly because of a lack of disk space.";
constexpr const char* kRejectedMessage =
    "Some paths were not added: a path of a music file holds at most 259 characters and no control characters.";

// The "Adding Tracks" window as the pipeline and the folder scan see it.
// The cancel flag behind it is one per process, shared by the folder scan
// and the pipeline.
class AddProgress {
public:
    virtual ~AddProgress() = default;
    virtual void SetHeadline(const std::string& /*text*/) {}
    virtual void SetDetail(const std::string& /*text*/) {}
    virtual void ShowBar() {}
    virtual void SetBar(int /*percent*/) {}
    // Dispatches the waiting window messages (peek, translate, dispatch).
    virtual void Pump() {}
    virtual bool CancelRequested() const { return false; }
    virtual void ClearCancel() {}
};

// What a run needs of the rest of the program: the track list, the save
// and the player. The indexes are rows of the list (= tracks of the store).
class AddTracksHost {
public:
    virtual ~AddTracksHost() = default;
    virtual void SetItemCount(size_t /*count*/) {}
    // Scrolls the row into view and makes it the only selected and the
    // focused one.
    virtual void SelectOnly(size_t /*index*/) {}
    // Adds the rows first..last (inclusive) to the selection.
    virtual void AddToSelection(size_t /*first*/, size_t /*last*/) {}
    // Writes the collection without sorting it first; false when it was not
    // written (the user has been told).
    virtual bool SaveCollection() = 0;
    // "FWEnqueNew": queues a track for the player.
    virtual void Enqueue(const TrackRecord& /*track*/) {}
    // Playback, started when the collection was empty before the run.
    virtual void StartPlayback() {}
    // Repaints the list and the status line, brings the window to the front.
    virtual void Refresh() {}
};

// One run's data, read by the caller at its start.
struct AddRequest {
    std::vector<std::string> paths;  // full paths, in order
    IntakeSettings settings;
    NewTrackDefaults defaults;
    // The list's sort state: the new tracks are sorted by artist in its
    // direction, with its second key.
    SortState sort;
};

struct AddResult {
    size_t offered = 0;   // paths in the list
    size_t added = 0;     // new tracks appended
    size_t found = 0;     // paths whose track was in the collection (moved to the end)
    size_t rejected = 0;  // paths not taken: empty, over 259 characters, control characters
    bool existed = false; // a file was in the collection already, or its move target existed
    bool failed = false;  // a file could not be moved
    bool cancelled = false;
    bool saved = false;
    size_t firstNew = 0;  // index of the first new (or found) track after the run
};

// The pipeline. The store's tracks from `firstNew` on are the new ones
// afterwards, in order of the artist sort.
AddResult AddTracks(const AddRequest& request, CollectionStore& store, AddProgress& progress,
                    AddTracksHost& host);

// The messages the run ends with, in the order they are shown (each a
// "Tonbrook" box with the error icon): the existed message only when moving
// was on, the failed message, and the message about paths not taken.
std::vector<std::string> AddResultMessages(const AddResult& result, const IntakeSettings& settings);

}  // namespace vuv
