#include "selection/RandomPlay.h"

#include "platform/Paths.h"
#include "platform/Random.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

using namespace vuv;
using namespace vuvtest;

namespace {

TrackRecord Track(const std::string& path, uint8_t preference = 0)
{
    TrackRecord t;
    memset(&t, 0, sizeof t);
    SetField(t.path, path);
    t.preference = preference;
    return t;
}

std::string RecordsBytes(const std::vector<TrackRecord>& tracks)
{
    return std::string(reinterpret_cast<const char*>(tracks.data()), tracks.size() * sizeof(TrackRecord));
}

// The files of a draw in a scratch folder.
struct DrawFiles {
    ScratchFolder folder;
    RandomPlayFiles files{folder.File("user.mcc"), folder.File("user.dpc"),
                          folder.File("user.Previously Played")};
};

std::vector<TrackRecord> Collection(size_t count, uint8_t preference)
{
    std::vector<TrackRecord> tracks;
    for (size_t i = 0; i < count; ++i)
        tracks.push_back(Track("C:\\m\\" + std::to_string(i) + ".mp3", preference));
    return tracks;
}

// The draw written out plainly, for comparing results with a known seed.
std::string PlainPick(const std::vector<TrackRecord>& tracks, const std::vector<uint32_t>& index,
                      const std::vector<TrackRecord>& previous)
{
    const TrackRecord* pick = nullptr;
    for (int attempt = 0; attempt < 50; ++attempt) {
        uint32_t position = index.empty()
                                ? uint32_t(RandomBelow(int32_t(tracks.size())))
                                : index[uint32_t(RandomBelow(int32_t(index.size())))];
        pick = &tracks[position];
        const int p = std::min(std::max(int(pick->preference), 1), 9);
        const bool preferred = RandomBelow(10 - p) == 0;
        bool recent = false;
        for (const TrackRecord& r : previous)
            recent = recent || SamePath(r.path, pick->path);
        if (preferred && !recent)
            break;
    }
    return pick->path;
}

}  // namespace

TEST(RandomPlay, PreferenceAndRecentPlays)
{
    SeedRandom(1);
    int passed = 0;
    for (int i = 0; i < 900; ++i) {
        EXPECT_TRUE(PreferenceTest(Track("x", 9)));
        passed += PreferenceTest(Track("x", 8)) ? 1 : 0;
    }
    EXPECT_GT(passed, 300);
    EXPECT_LT(passed, 600);
    int low = 0;
    for (int i = 0; i < 900; ++i)
        low += PreferenceTest(Track("x", 0)) ? 1 : 0;
    EXPECT_GT(low, 50);
    EXPECT_LT(low, 200);

    ScratchFolder folder;
    const std::string previous = folder.File("user.Previously Played");
    EXPECT_FALSE(PlayedRecently(Track("C:\\a.mp3"), previous));
    std::vector<TrackRecord> played = Collection(200, 0);
    played.push_back(Track("C:\\A.mp3"));
    ASSERT_TRUE(WriteBytes(previous, RecordsBytes(played)));
    EXPECT_TRUE(PlayedRecently(Track("c:\\a.MP3"), previous));
    EXPECT_TRUE(PlayedRecently(Track("C:\\m\\0.mp3"), previous));
    EXPECT_FALSE(PlayedRecently(Track("C:\\b.mp3"), previous));
}

TEST(RandomPlay, SmallCollectionsDrawAsThePlainAlgorithm)
{
    DrawFiles f;
    std::vector<TrackRecord> tracks = Collection(300, 0);
    for (size_t i = 0; i < tracks.size(); ++i)
        tracks[i].preference = uint8_t(i % 10);
    ASSERT_TRUE(WriteBytes(f.files.collection, RecordsBytes(tracks)));
    const std::vector<TrackRecord> previous(tracks.begin() + 40, tracks.begin() + 140);
    ASSERT_TRUE(WriteBytes(f.files.previouslyPlayed, RecordsBytes(previous)));

    TrackRecord out;

    for (bool withIndex : {false, true}) {
        std::vector<uint32_t> index;
        if (withIndex) {
            for (uint32_t i = 0; i < 300; i += 7)
                index.push_back(i);
            ASSERT_TRUE(WriteBytes(f.files.selectionIndex,
                                   std::string(reinterpret_cast<const char*>(index.data()),
                                               index.size() * 4)));
        } else {
            ASSERT_TRUE(WriteBytes(f.files.selectionIndex, ""));  // no criteria
        }
        SeedRandom(555);
        std::vector<std::string> expected;
        for (int i = 0; i < 100; ++i)
            expected.push_back(PlainPick(tracks, index, previous));
        SeedRandom(555);
        for (int i = 0; i < 100; ++i) {
            ASSERT_TRUE(RandomPick(f.files, out));
            ASSERT_EQ(std::string(out.path), expected[i]) << i;
        }
    }

    // Two listed positions: only they come out; all preference 0 still yields.
    const uint32_t two[] = {3, 250};
    ASSERT_TRUE(WriteBytes(f.files.selectionIndex,
                           std::string(reinterpret_cast<const char*>(two), 8)));
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(RandomPick(f.files, out));
        seen.insert(out.path);
    }
    EXPECT_EQ(seen, (std::set<std::string>{"C:\\m\\3.mp3", "C:\\m\\250.mp3"}));

    ASSERT_TRUE(WriteBytes(f.files.collection, ""));
    EXPECT_FALSE(RandomPick(f.files, out));
}

TEST(RandomPlay, LargeCollectionsReachTracksBeyondTheGenerator)
{
    DrawFiles f;
    ASSERT_TRUE(WriteBytes(f.files.collection, RecordsBytes(Collection(20000, 9))));
    // RandomBelow(20000) yields only even positions.
    SeedRandom(3);
    bool odd = false;
    TrackRecord out;
    for (int i = 0; i < 50 && !odd; ++i) {
        ASSERT_TRUE(RandomPick(f.files, out));
        const int position = atoi(out.path + 5);
        odd = position % 2 == 1;
    }
    EXPECT_TRUE(odd);
}
