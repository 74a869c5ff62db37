// Storage of the collection's records: blocks of records that never move,
// so that the store's display order is an array of stable pointers. Freed
// records are reused, and Clear keeps the blocks for the next load: memory
// touched for the first time is by far the dearest part of loading a large
// collection, and reloading ("Undo Any Editing", switching collections)
// is common. Not thread-safe; owned by the collection store.
#pragma once

#include "core/TrackRecord.h"
#include "platform/PageMemory.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace vuv {

class RecordPool {
public:
    // One record, contents undefined.
    TrackRecord* Allocate();
    // Up to `wanted` (at least 1) contiguous unused records at the end of the
    // current block; `got` says how many. Nothing is taken until Commit.
    TrackRecord* Reserve(size_t wanted, size_t& got);
    // Takes the first `count` records of the last Reserve.
    void Commit(size_t count);
    void Free(TrackRecord* record);
    // Frees every record; the blocks stay for reuse.
    void Clear();
    // Frees every record and returns the blocks to the system.
    void Release();

private:
    TrackRecord* Block(size_t index) const { return static_cast<TrackRecord*>(blocks_[index]->Data()); }

    static constexpr size_t kBlockRecords = 4096;  // 2.5 MiB per block

    std::vector<std::unique_ptr<PageMemory>> blocks_;  // kBlockRecords records each
    size_t current_ = 0;       // the block records are taken from
    size_t usedInCurrent_ = 0; // records taken from it
    std::vector<TrackRecord*> free_;
};

}  // namespace vuv
