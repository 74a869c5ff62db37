#include "core/RecordPool.h"

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
    if (usedInLast_ == kBlockRecords) {
        // Default-initialised: the bytes are filled by the caller anyway.
        blocks_.emplace_back(new TrackRecord[kBlockRecords]);
        usedInLast_ = 0;
    }
    size_t room = kBlockRecords - usedInLast_;
    got = wanted < room ? (wanted ? wanted : 1) : room;
    return blocks_.back().get() + usedInLast_;
}

void RecordPool::Commit(size_t count) { usedInLast_ += count; }

void RecordPool::Free(TrackRecord* record)
{
    if (record)
        free_.push_back(record);
}

void RecordPool::Clear()
{
    blocks_.clear();
    free_.clear();
    usedInLast_ = kBlockRecords;
}

}  // namespace vuv
