#include "selection/RandomPlay.h"

#include "core/TrackRecords.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vuv;
using namespace vuvtest;

namespace {

// The files of a draw in a scratch folder.
struct DrawFiles {
    ScratchFolder folder;
    RandomPlayFiles files{folder.File("user.mcc"), folder.File("user.dpc"), folder.File("user.Previously Played")};
};

// Tracks of preferences 0 .. kinds - 1 in turn.
std::vector<TrackRecord> Collection(size_t count, size_t kinds = 10)
{
    std::vector<TrackRecord> tracks;
    for (size_t i = 0; i < count; ++i)
        tracks.push_back(Track("C:\\m\\" + std::to_string(i) + ".mp3", "", "", uint8_t(i % kinds)));
    return tracks;
}

// The draw written out plainly, for comparing results with a known seed:
// up to 50 draws until one passes its preference (p clamped to 1..9 passes
// one time in 10 - p) and was not played recently.
std::string PlainPick(const std::vector<TrackRecord>& tracks, const std::vector<uint32_t>& index,
                      const std::vector<TrackRecord>& previous)
{
    const TrackRecord* pick = nullptr;
    for (int attempt = 0; attempt < 50; ++attempt) {
        pick = &tracks[index.empty() ? uint32_t(RandomBelow(int32_t(tracks.size())))
                                     : index[uint32_t(RandomBelow(int32_t(index.size())))]];
        const bool preferred = RandomBelow(10 - std::min(std::max(int(pick->preference), 1), 9)) == 0;
        bool recent = false;
        for (const TrackRecord& r : previous)
            recent = recent || SamePath(r.path, pick->path);
        if (preferred && !recent)
            break;
    }
    return pick->path;
}

}  // namespace

TEST(RandomPlay, SmallCollectionsDrawAsThePlainAlgorithm)
{
    DrawFiles f;
    TrackRecord out;
    // Every preference, and mostly the lowest (many draws per pick).
    for (auto [kinds, withIndex] : {std::pair<size_t, bool>{10, false}, {10, true}, {2, false}}) {
        const std::vector<TrackRecord> tracks = Collection(300, kinds);
        ASSERT_TRUE(WriteBytes(f.files.collection, RecordsBytes(tracks)));
        // Recently played: the paths in other letter case.
        std::vector<TrackRecord> previous(tracks.begin() + 40, tracks.begin() + 140);
        for (TrackRecord& r : previous)
            CharUpperA(r.path);
        ASSERT_TRUE(WriteBytes(f.files.previouslyPlayed, RecordsBytes(previous)));
        std::vector<uint32_t> index;
        for (uint32_t i = 0; withIndex && i < 300; i += 7)
            index.push_back(i);
        ASSERT_TRUE(WriteBytes(f.files.selectionIndex,
                               std::string(reinterpret_cast<const char*>(index.data()), index.size() * 4)));
        SeedRandom(555);
        std::vector<std::string> expected;
        for (int i = 0; i < 100; ++i)
            expected.push_back(PlainPick(tracks, index, previous));
        SeedRandom(555);
        for (int i = 0; i < 100; ++i) {
            ASSERT_TRUE(RandomPick(f.files, out));
            ASSERT_EQ(std::string(out.path), expected[i]) << i;
        }
        // The draw held in memory draws the same.
        SeedRandom(555);
        const RandomDraw draw(f.files);
        std::string path;
        for (int i = 0; i < 100; ++i)
            ASSERT_TRUE(draw.Draw(path) && path == expected[i]) << i;
    }
    ASSERT_TRUE(WriteBytes(f.files.collection, ""));
    EXPECT_FALSE(RandomPick(f.files, out));
    std::string path;
    EXPECT_FALSE(RandomDraw(f.files).Draw(path));
}

TEST(RandomPlay, LargeCollectionsReachTracksBeyondTheGenerator)
{
    DrawFiles f;
    ASSERT_TRUE(WriteBytes(f.files.collection, RecordsBytes(Collection(20000))));
    // RandomBelow(20000) yields only even positions. The draw held in
    // memory draws the same.
    SeedRandom(3);
    bool odd = false;
    TrackRecord out;
    std::vector<std::string> picked;
    for (int i = 0; i < 50 && !odd; ++i) {
        ASSERT_TRUE(RandomPick(f.files, out));
        odd = atoi(out.path + 5) % 2 == 1;
        picked.push_back(out.path);
    }
    EXPECT_TRUE(odd);
    SeedRandom(3);
    const RandomDraw draw(f.files);
    std::string path;
    for (const std::string& expected : picked)
        ASSERT_TRUE(draw.Draw(path) && path == expected);
}
