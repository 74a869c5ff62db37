// The journal of file moves beside a collection file ("<collection>.moves"),
// which keeps the collection able to find its music files when the program
// ends in the middle of arranging them.
//
// Why a journal: the arrange pass moves thousands of files but the
// collection file is written once, at its end; writing the whole collection
// after every move would cost the collection's size per file. Instead each
// move is written ahead to the journal (an "about to move" record), and a
// "moved" record follows once the rename has succeeded; both are appended
// without flushing, since what must survive is the end of the process, not
// of the machine. Loading the collection replays a journal it finds: every
// "moved" record takes its track to the new path, and a last "about to
// move" record without its answer (the process ended between the two) is
// settled by looking at the disk: the file at its target and none at its
// source means it moved. A successful save of the collection makes the
// journal's moves part of the file and deletes it; until then it grows, so
// that a pass started after a replay appends after the settled records.
//
// Adding tracks with the move into the arrangement journals its moves too,
// under states of their own: such a file belongs to a track that exists
// only once the collection is saved. A replay that finds no track at the
// file's new place (the process ended before the save) moves the file back
// to where it came from, following any arrange moves journaled after it,
// so that the old collection file meets the old disk. An unanswered add
// move whose source and target both exist was cut off in the middle of a
// copy across volumes (the target did not exist when the move began): the
// partial copy at the target is deleted and the source stays.
#pragma once

#include "core/TrackRecord.h"
#include "platform/FileHandle.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vuv {

#pragma pack(push, 1)
struct MoveJournalRecord {
    uint32_t state;    // MoveState
    char from[260];    // the track's path before the move
    char to[260];      // its path after the move
};
#pragma pack(pop)
static_assert(sizeof(MoveJournalRecord) == 524, "MoveJournalRecord is 524 bytes");
static_assert(offsetof(MoveJournalRecord, from) == 4 && offsetof(MoveJournalRecord, to) == 264,
              "MoveJournalRecord layout");

enum MoveState : uint32_t {
    kMoveIntended = 1,  // written before the rename
    kMoveDone = 2,      // the rename succeeded
    kMoveNotDone = 3,   // the intended rename did not happen (an add's failure, or a replay's finding)
    kAddMoveIntended = 4,  // adding a track: written before the rename into the arrangement
    kAddMoveDone = 5,      // adding a track: the rename succeeded
};

// The collection path + ".moves".
std::string MoveJournalPathFor(const std::string& collectionPath);

// Appends records to a collection's journal. Used by one thread at a time.
class MoveJournal {
public:
    // Opens the journal for appending (creating it); false when it cannot be
    // written.
    bool Open(const std::string& journalPath);
    bool IsOpen() const { return file_.IsOpen(); }
    // False when the record was not written whole.
    bool Write(MoveState state, const char* from, const char* to);
    void Close() { file_.Close(); }

private:
    FileHandle file_;
};

// Replays the journal at `journalPath` onto the tracks in memory (the
// store's display order) and the files of unsaved adds (see the top of this
// file), and appends the answer of an unanswered last record. The number
// of tracks whose path changed; 0 without a journal.
size_t ReplayMoveJournal(const std::string& journalPath, TrackRecord* const* tracks, size_t count);

}  // namespace vuv
