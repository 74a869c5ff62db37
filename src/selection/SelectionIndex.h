// The selection index file (".dpc"): u32 positions, in collection order, of
// the records of the saved collection file that pass the selective play
// criteria. Absent when every track passes; 0 bytes when there are no
// criteria or no track passes. Random play draws from it.
#pragma once

#include "core/TrackRecord.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vuv {

class CollectionStore;
class GenreList;

// The per-user files of selective play.
struct SelectionFiles {
    std::string criteria;  // ".dps"
    std::string index;     // ".dpc"
};
// The active user's files in the install folder.
SelectionFiles UserSelectionFiles();

// Rebuilds the index file from the criteria file and the collection file as
// saved; `genres` is the collection's loaded genre list (null: none loaded).
// Ends by calling the play-list-changed notifier.
void RebuildSelectionIndex(const std::string& criteriaPath, const std::string& collectionPath,
                           const GenreList* genres, const std::string& indexPath);

// Called at the end of every rebuild, to tell the player that its play
// list changed: the editor's WinMain and vuvtool's player link wire the
// link's "TbPlayListChanged" counter here. None by default.
void SetPlaylistChangedNotifier(std::function<void()> notifier);

// What follows every save of the store to `collectionPath` (also one the
// user gave up): the index rebuilt from the criteria and the file as saved,
// then the store's `notInSelection` marks recomputed from it.
void RefreshSelectionAfterSave(CollectionStore& store, const std::string& collectionPath,
                               const SelectionFiles& files);

// The positions in the index file; empty when missing or empty.
std::vector<uint32_t> ReadSelectionIndex(const std::string& indexPath);
// Whether the index file holds at least one position.
bool SelectionIndexHasEntries(const std::string& indexPath);

// Sets `notInSelection` on every track and clears it on the listed ones
// when the index file holds a position (positions out of range ignored);
// clears it on every track when the file is empty or missing.
void MarkNotInSelection(TrackRecord* const* tracks, size_t count, const std::string& indexPath);

}  // namespace vuv
