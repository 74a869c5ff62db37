// Many rounds of enqueueing and playing in this process while the stand-in
// player takes the tracks in its own: every record arrives once, whole,
// and each queue keeps its order.
#include "platform/FileHandle.h"
#include "platform/Process.h"
#include "platform/Random.h"
#include "player/PlayQueue.h"
#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using namespace vuv;
using namespace vuvtest;

namespace {

// The hash the stand-in logs for every record it takes, as its text.
std::string RecordHash(const TrackRecord& track)
{
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < sizeof track; ++i)
        h = (h ^ reinterpret_cast<const unsigned char*>(&track)[i]) * 16777619u;
    char text[16];
    snprintf(text, sizeof text, "%08x", unsigned(h));
    return text;
}

// Every byte depends on the number, so a record mixed from two shows.
TrackRecord StressTrack(int n)
{
    TrackRecord t;
    unsigned char* p = reinterpret_cast<unsigned char*>(&t);
    for (size_t i = 0; i < sizeof t; ++i)
        p[i] = uint8_t('A' + (n * 7 + i) % 26);
    char path[64];
    snprintf(path, sizeof path, "C:\\stress\\%06d.mp3", n);
    SetField(t.path, path);
    t.artist[sizeof t.artist - 1] = t.title[sizeof t.title - 1] = t.album[sizeof t.album - 1] = 0;
    t.path[sizeof t.path - 1] = 0;
    return t;
}

struct Expected {
    std::string hash;
    bool queued;  // from the queue (in order) rather than play-now requests
    int order;    // position among the queue's records
};

}  // namespace

TEST(QueueStress, NothingLostNothingTwiceNothingTorn)
{
    PlayerFixture f;
    f.context.launchPlayer = false;
    const std::string config = f.folder.File("standin.cfg"), logFile = f.folder.File("log.txt");
    ASSERT_TRUE(f.WriteStandinConfig(config, logFile, 55));
    // It ends when asked to close, or by itself after 55 s.
    ASSERT_TRUE(RunProgram("\"" + StandinPath() + "\" --config \"" + config + "\"", false));
    ASSERT_TRUE(WaitUntil([&] { return f.link.playerRunning.IsSet(); }, 15000));
    StartPlay(f.context);

    std::map<std::string, Expected> expected;
    int next = 0, queueOrder = 0;
    SeedRandom(2026);
    for (int round = 0; round < 400; ++round) {
        const int kind = RandomBelow(10), count = 1 + RandomBelow(5);
        if (kind < 5) {
            for (int i = 0; i < count; ++i) {
                const TrackRecord t = StressTrack(next++);
                ASSERT_TRUE(Enqueue(f.context, t));
                expected[t.path] = {RecordHash(t), true, queueOrder++};
            }
        } else if (kind < 9) {
            // Only this process writes the play-now request: once the player
            // has taken the last one, a new batch cannot replace it.
            ASSERT_TRUE(WaitUntil([&] { return ShouldPlay(f.link).empty(); }, 15000));
            ResetPlayNowWindow(f.context);
            for (int i = 0; i < count; ++i) {
                const TrackRecord t = StressTrack(next++);
                ASSERT_TRUE(PlayNow(f.context, t));
                expected[t.path] = {RecordHash(t), false, 0};
            }
        } else {
            // A playlist item in the queue, taken entry by entry.
            const std::string list = f.folder.File("l" + std::to_string(round) + ".m3u");
            std::string text;
            for (int i = 0; i < count; ++i) {
                TrackRecord entry = {};
                snprintf(entry.path, sizeof entry.path, "D:\\list\\%06d.mp3", next++);
                text += std::string(entry.path) + "\r\n";
                expected[entry.path] = {RecordHash(entry), true, queueOrder++};
            }
            ASSERT_TRUE(WriteBytes(list, text));
            ASSERT_TRUE(EnqueueFile(f.context, list));
        }
        if (round % 50 == 0)
            Sleep(20);  // let the player empty the queues now and then
    }
    ASSERT_TRUE(WaitUntil(
        [&] {
            return ShouldPlay(f.link).empty() && FileSize(f.context.files.queue) == 0 &&
                   FileSize(f.context.files.priorityQueue) == 0;
        },
        30000));
    f.link.close.Set();
    ASSERT_TRUE(WaitUntil([&] { return !f.link.playerRunning.IsSet(); }, 15000));  // its log is complete

    std::istringstream log(ReadBytes(logFile));
    std::string line;
    std::map<std::string, int> seen;
    int lastQueueOrder = -1;
    while (std::getline(log, line)) {
        const size_t tab1 = line.find('\t'), tab2 = line.rfind('\t');
        ASSERT_NE(tab1, tab2) << line;
        const std::string path = line.substr(tab1 + 1, tab2 - tab1 - 1);
        auto it = expected.find(path);
        ASSERT_NE(it, expected.end()) << "unknown or torn path: " << line;
        EXPECT_EQ(line.substr(tab2 + 1), it->second.hash) << "torn record " << path;
        EXPECT_EQ(++seen[path], 1) << "taken twice: " << path;
        if (it->second.queued) {
            EXPECT_GT(it->second.order, lastQueueOrder) << "queue order broken at " << path;
            lastQueueOrder = it->second.order;
        }
    }
    EXPECT_EQ(seen.size(), expected.size()) << "records lost";
    EXPECT_TRUE(f.recorder.messages.empty());
}
