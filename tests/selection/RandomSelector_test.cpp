#include "selection/RandomSelector.h"

#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

struct Collection {
    explicit Collection(size_t count, uint32_t minutesEach = 4)
    {
        for (size_t i = 0; i < count; ++i) {
            tracks.push_back(Track("C:\\m\\" + std::to_string(i) + ".mp3"));
            tracks.back().lengthMs = minutesEach * 60000;
        }
    }
    std::vector<size_t> Select(const RandomSelectorRequest& request, std::vector<std::string> script)
    {
        std::vector<TrackRecord*> order;
        for (TrackRecord& t : tracks)
            order.push_back(&t);
        // The scripted draws in turn, round and round; none when empty.
        size_t next = 0;
        return SelectRandomTracks(order.data(), order.size(), request, [&](std::string& path) {
            ++draws;
            if (script.empty())
                return false;
            path = script[next++ % script.size()];
            return true;
        });
    }
    std::string Marks() const
    {
        std::string text;
        for (const TrackRecord& t : tracks)
            text += std::to_string(t.flags) + " ";
        return text;
    }

    std::vector<TrackRecord> tracks;
    size_t draws = 0;
};

RandomSelectorRequest ByCount(uint32_t n) { return {true, n, 0}; }
RandomSelectorRequest ByMinutes(uint32_t m) { return {false, 0, m}; }

}  // namespace

TEST(RandomSelector, ByLengthStopsBeforeTheLimit)
{
    // Twenty 4-minute tracks and 60 minutes: 14 tracks (56 minutes); the
    // fifteenth would reach 60. Repeated and unknown paths take the turn's
    // next draw.
    Collection c(20);
    std::vector<std::string> script;
    for (int i = 0; i < 20; ++i)
        script.insert(script.end(), {"C:\\m\\" + std::to_string(i) + ".mp3", "C:\\m\\0.mp3", "C:\\M\\1.MP3"});
    const std::vector<size_t> marked = c.Select(ByMinutes(60), script);
    ASSERT_EQ(marked.size(), 14u);
    EXPECT_EQ(marked[0], 0u);
    EXPECT_EQ(marked[13], 13u);
    EXPECT_EQ(c.tracks[14].flags, 0u);
    // A drawn track, marked or not, that would reach the limit ends the run.
    Collection d(3, 30);
    EXPECT_EQ(d.Select(ByMinutes(60), {"C:\\m\\0.mp3", "C:\\m\\0.mp3", "C:\\m\\1.mp3"}).size(), 1u);
}

TEST(RandomSelector, ByNumberClearsEarlierMarksAndMarksAsHighlightFour)
{
    Collection c(5);
    c.tracks[0].flags = kFlagHighlight4 | kFlagNew;
    c.tracks[1].flags = kFlagHighlight2;
    c.tracks[2].flags = kFlagMissing;
    EXPECT_TRUE(c.Select(ByCount(0), {"C:\\m\\1.mp3"}).empty());
    EXPECT_EQ(c.Marks(), "1 16 2 0 0 ");
    EXPECT_EQ(c.Select(ByCount(2), {"C:\\m\\1.mp3", "C:\\m\\2.mp3", "C:\\m\\3.mp3"}), (std::vector<size_t>{1, 2}));
    EXPECT_EQ(c.Marks(), "1 64 66 0 0 ");
}

// More tracks asked for than there are, a length beyond the whole
// collection, an empty collection, a draw that yields nothing: each run
// ends, with every track it could find marked.
TEST(RandomSelector, RunsEndWhateverTheyAskFor)
{
    Collection three(3);
    const std::vector<std::string> all{"C:\\m\\0.mp3", "C:\\m\\1.mp3", "C:\\m\\2.mp3"};
    EXPECT_EQ(three.Select(ByCount(1000), all).size(), 3u);
    EXPECT_EQ(three.draws, 3 + (1000 - 3) * size_t(kRandomSelectorAttempts));
    EXPECT_EQ(three.Select(ByMinutes(100000), all).size(), 3u);
    EXPECT_EQ(three.draws, 3 + 997 * size_t(kRandomSelectorAttempts) + 3 +
                               (kRandomSelectorMaxTurns + 2 - 3) * size_t(kRandomSelectorAttempts));
    Collection empty(0);
    EXPECT_TRUE(empty.Select(ByCount(100000), all).empty());
    EXPECT_EQ(empty.draws, (kRandomSelectorMaxTurns + 2) * size_t(kRandomSelectorAttempts));
    EXPECT_TRUE(three.Select(ByMinutes(10), {}).empty());
}

TEST(RandomSelector, CalculatorGivesMinutesForAStorageSize)
{
    EXPECT_EQ(MinutesForStorage(650, 128), 693u);
    EXPECT_EQ(MinutesForStorage(65536, 1), 9586980u);  // beyond 32 bits on the way
    EXPECT_EQ(MinutesForStorage(0, 128), 0u);
    EXPECT_EQ(MinutesForStorage(650, 0), 0u);
}
