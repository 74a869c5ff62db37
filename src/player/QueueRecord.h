// The record of the queue files: a track and, for a queued playlist, the
// number of its entries already handed out. A queue file is a plain
// sequence of them; a shorter remainder at its end is ignored.
#pragma once

#include "core/TrackRecord.h"

#include <cstddef>
#include <cstdint>

namespace vuv {

#pragma pack(push, 1)
struct QueueRecord {
    TrackRecord track;
    uint32_t taken;  // playlist entries handed out; 0 otherwise and when queued
};
#pragma pack(pop)
static_assert(sizeof(QueueRecord) == 652, "QueueRecord is 652 bytes");
static_assert(offsetof(QueueRecord, taken) == 648, "taken");

constexpr uint32_t kQueueRecordSize = sizeof(QueueRecord);

}  // namespace vuv
