#include "selection/RandomDraw.h"

#include "platform/Random.h"
#include "player/PlayerTestSupport.h"
#include "selection/RandomPlay.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

// The draw held in memory gives, draw for draw, what RandomPick gives from
// the files with the generator in the same state: with and without a
// selection index (one of its positions past the collection's end), with
// recent plays in another letter case, over small collections and one
// beyond the generator's reach.
TEST(RandomDraw, DrawsWhatRandomPickDrawsFromTheFiles)
{
    PlayerFixture f;
    f.link.myMusicRandom.Set();
    const PlayerFiles& files = f.context.files;
    for (auto [count, withIndex] : {std::pair<uint32_t, bool>{300, false}, {300, true}, {1, false}, {25000, false}}) {
        std::vector<TrackRecord> tracks;
        for (uint32_t i = 0; i < count; ++i)
            tracks.push_back(Track("C:\\m\\" + std::to_string(i) + ".mp3", "", "", uint8_t(i % 3 == 0 ? 9 : i % 4)));
        ASSERT_TRUE(WriteBytes(files.collection, RecordsBytes(tracks)));
        std::vector<TrackRecord> previous(tracks.begin(), tracks.begin() + std::min<uint32_t>(count, 100));
        for (TrackRecord& r : previous)
            CharUpperA(r.path);
        ASSERT_TRUE(WriteBytes(files.previouslyPlayed, RecordsBytes(previous)));
        std::vector<uint32_t> index;
        for (uint32_t i = 0; withIndex && i < count + 50; i += 7)
            index.push_back(i);
        ASSERT_TRUE(WriteBytes(files.selectionIndex,
                               std::string(reinterpret_cast<const char*>(index.data()), index.size() * 4)));

        SeedRandom(4242);
        std::vector<std::string> picked;
        TrackRecord out;
        for (int i = 0; i < 400; ++i) {
            memset(&out, 0, sizeof out);
            ASSERT_TRUE(RandomPick(f.link, files, out));
            picked.push_back(out.path);
        }
        SeedRandom(4242);
        const RandomDraw draw(files.collection, files.selectionIndex, files.previouslyPlayed);
        std::string path;
        for (int i = 0; i < 400; ++i) {
            ASSERT_TRUE(draw.Draw(path));
            ASSERT_EQ(path, picked[i]) << count << " tracks, draw " << i;
        }
    }
    ASSERT_TRUE(WriteBytes(files.collection, ""));
    std::string path;
    EXPECT_FALSE(RandomDraw(files.collection, files.selectionIndex, files.previouslyPlayed).Draw(path));
}
