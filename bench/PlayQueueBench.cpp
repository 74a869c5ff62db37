// Figures of the play queue: the shuffle's permutation for queues up to and
// beyond the generator's reach, and taking the head of a long queue file
// (every take shifts the rest of the file forward).
#include "core/TrackRecord.h"
#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/FileRemoval.h"
#include "platform/Process.h"
#include "platform/Random.h"
#include "player/PlayQueue.h"
#include "player/QueueRecord.h"

#include <cstdio>
#include <cstring>
#include <vector>

using namespace vuv;

int main()
{
    SeedRandom(1);
    for (uint32_t n : {1000u, 10000u, 100000u, 1000000u}) {
        const uint32_t start = TickCountMs();
        const std::vector<uint32_t> order = ShufflePermutation(n);
        printf("shuffle permutation of %7u records: %6u ms\n", unsigned(n),
               unsigned(TickCountMs() - start));
    }

    const std::string queue = MakeTempFile("QBN");
    for (uint32_t n : {1000u, 10000u}) {
        std::vector<QueueRecord> records(n);
        memset(records.data(), 0, n * sizeof(QueueRecord));
        for (uint32_t i = 0; i < n; ++i)
            snprintf(records[i].track.path, sizeof records[i].track.path, "C:\\m\\%u.mp3", i);
        {
            FileHandle file;
            file.Open(queue, FileAccess::Write, FileDisposition::CreateAlways, false);
            file.Write(records.data(), n * kQueueRecordSize);
        }
        const uint32_t start = TickCountMs();
        TrackRecord out;
        uint32_t taken = 0;
        while (taken < 200 && TakeQueueHead(queue, out))
            ++taken;
        printf("take head of a %5u-record queue file: %8.3f ms per take\n", unsigned(n),
               double(TickCountMs() - start) / taken);
    }
    RemoveFile(queue);
    return 0;
}
