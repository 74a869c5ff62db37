#include "core/RecordPool.h"

#include <new>

namespace vuv {

TrackRecord* RecordPool::Allocate()
{
    if (!free_.empty()) {
        TrackRecord* r = free_.back();
        free_.pop_back();
        return r;
    }
    size_t got = 0;
    TrackRecord* r = Reserve(1, got);
    Commit(1);
    return r;
}

TrackRecord* RecordPool::Reserve(size_t wanted, size_t& got)
{
    if (current_ < blocks_.size() && usedInCurrent_ == kBlockRecords) {
        ++current_;
        usedInCurrent_ = 0;
    }
    if (current_ == blocks_.size()) {
        // Filled by the caller; made present at once (see PageMemory).
        auto block = std::make_unique<PageMemory>(kBlockRecords * sizeof(TrackRecord));
        if (!block->Data())
            throw std::bad_alloc();
        blocks_.push_back(std::move(block));
        usedInCurrent_ = 0;
    }
    const size_t room = kBlockRecords - usedInCurrent_;
    got = wanted < room ? (wanted ? wanted : 1) : room;
    return Block(current_) + usedInCurrent_;
}

void RecordPool::Commit(size_t count) { usedInCurrent_ += count; }

void RecordPool::Free(TrackRecord* record)
{
    if (record)
        free_.push_back(record);
}

void RecordPool::Clear()
{
    free_.clear();
    current_ = 0;
    usedInCurrent_ = 0;
}

void RecordPool::Release()
{
    Clear();
    blocks_.clear();
}

}  // namespace vuv
