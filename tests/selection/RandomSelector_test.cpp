#include "selection/RandomSelector.h"

#include <gtest/gtest.h>

using namespace vuv;

namespace {

std::string Path(int i) { return "C:\\m\\" + std::to_string(i) + ".mp3"; }

// `count` tracks of `minutes` each, selected from with scripted draws (in
// turn, round and round; none when the script is empty).
struct Collection {
    explicit Collection(size_t count, uint32_t minutes = 4)
    {
        for (size_t i = 0; i < count; ++i) {
            tracks.emplace_back();
            SetField(tracks.back().path, Path(int(i)));
            tracks.back().lengthMs = minutes * 60000;
        }
    }
    std::vector<size_t> Select(bool byCount, uint32_t value, std::vector<std::string> script)
    {
        std::vector<TrackRecord*> order;
        for (TrackRecord& t : tracks)
            order.push_back(&t);
        size_t next = 0;
        return SelectRandomTracks(order.data(), order.size(), {byCount, value, value}, [&](std::string& path) {
            if (!script.empty())
                path = script[next++ % script.size()];
            return !script.empty();
        });
    }
    std::vector<TrackRecord> tracks;
};

}  // namespace

TEST(RandomSelector, ByLengthStopsBeforeTheLimit)
{
    // Twenty 4-minute tracks and 60 minutes: 14 tracks (56 minutes); the
    // fifteenth would reach 60. A marked track or a path of another case
    // takes the turn's next draw.
    Collection c(20);
    std::vector<std::string> script;
    for (int i = 0; i < 20; ++i)
        script.insert(script.end(), {Path(i), Path(0), "C:\\M\\1.MP3"});
    EXPECT_EQ(c.Select(false, 60, script), (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    // A drawn track, marked or not, that would reach the limit ends the run.
    Collection d(3, 30);
    EXPECT_EQ(d.Select(false, 60, {Path(0), Path(0), Path(1)}).size(), 1u);
}

TEST(RandomSelector, ByNumberClearsEarlierMarksAndMarksAsHighlightFour)
{
    Collection c(4);
    c.tracks[0].flags = kFlagHighlight4 | kFlagNew;
    c.tracks[1].flags = kFlagHighlight2;
    c.tracks[2].flags = kFlagMissing;
    EXPECT_EQ(c.Select(true, 2, {Path(1), Path(2), Path(3)}), (std::vector<size_t>{1, 2}));
    std::string flags;
    for (const TrackRecord& t : c.tracks)
        flags += std::to_string(t.flags) + " ";
    EXPECT_EQ(flags, "1 64 66 0 ");
    EXPECT_TRUE(c.Select(true, 0, {Path(1)}).empty());
    EXPECT_EQ(c.tracks[1].flags, 0u);
}
