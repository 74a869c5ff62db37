#include "naming/ArrangeFiles.h"

#include "core/StoreFixture.h"
#include "platform/Paths.h"
#include "platform/Wait.h"

#include <atomic>

using namespace vuv;
using namespace vuvtest;

namespace {

// Plays one path; SkipPlaying notes whether the file is still in place and
// holds the pass there while `hold` is set.
class FakePlayer : public ArrangePlayer {
public:
    std::string PlayingPath() override { return playing; }
    void SkipPlaying() override
    {
        stillInPlace = Exists(playing);
        for (++skips; hold;)
            SleepMs(5);
    }
    std::string playing;
    std::atomic<int> skips{0};
    std::atomic<bool> stillInPlace{false}, hold{false};
};

class ArrangeFilesTest : public StoreTest {
protected:
    // A track in in\ whose file holds its own name.
    TrackRecord Track(const char* artist, const char* title, const char* file, bool create = true)
    {
        CreateFolderChain(folder.File("in"));
        const std::string path = folder.File("in\\") + file;
        if (create) {
            EXPECT_TRUE(WriteBytes(path, file));
        }
        return MakeTrack(artist, title, "", path.c_str());
    }
    void Run(ArrangeSession& session)
    {
        ASSERT_TRUE(session.Start());
        while (session.Progress() != kArrangeFinished)
            SleepMs(5);
        session.Finish();
    }
    FakePlayer player;
};

}  // namespace

TEST_F(ArrangeFilesTest, MovesByThePatternAndKeepsWhatCannotMove)
{
    std::vector<TrackRecord> tracks = {
        Track("Corvina", "Rain", "a.ext"),
        Track("Corvina", "Rain", "b.ext"),                   // same target as a.ext: stays
        Track("Gone", "Missing", "c.mp3", false),            // no file: stays
        Track("Corvina", "Dust", "d"),                       // no extension
        Track(std::string(99, 'x').c_str(), std::string(99, 'y').c_str(), "e.mp3"),  // too long
        Track("AC/DC", "T.N.T.", "f.mp3"),
    };
    tracks[3].genreIds[0] = 99;  // not in the list
    WriteCollection(tracks);
    store().LoadCollection(Collection());
    const uint16_t pop = store().Genres().IdFor("Pop", true);
    store().Track(0).genreIds[0] = store().Track(1).genreIds[0] = pop;

    ArrangeSession session(store(), {folder.File("out"), "%g\\%a\\%a - %t"}, player);
    Run(session);
    EXPECT_EQ(session.Moved(), 3u);
    const char* expected[] = {"out\\Pop\\Corvina\\Corvina - Rain.ext", "in\\b.ext", "in\\c.mp3",
                              "out\\Corvina\\Corvina - Dust.", "in\\e.mp3", "out\\AC-DC\\AC-DC - T.N.T.mp3"};
    for (size_t i = 0; i < store().Count(); ++i) {
        EXPECT_EQ(store().Track(i).path, folder.File(expected[i])) << i;
        EXPECT_EQ(Exists(store().Track(i).path), i != 2) << i;
    }
    // Nothing overwritten: the target taken first keeps its file.
    EXPECT_EQ(ReadBytes(store().Track(0).path), "a.ext");

    // Saved and loaded again, a second run finds every file in its place.
    ASSERT_TRUE(store().SaveCollection(Collection()));
    store().LoadCollection(Collection());
    ArrangeSession again(store(), {folder.File("out\\"), "%g\\%a\\%a - %t"}, player);
    Run(again);
    EXPECT_EQ(again.Moved(), 0u);
}

TEST_F(ArrangeFilesTest, PlayingTrackStopHalfWayAndPlayCounts)
{
    WriteCollection({Track("A", "t0", "t0.mp3"), Track("A", "t1", "t1.mp3"), Track("A", "t2", "t2.mp3"),
                     Track("A", "t3", "t3.mp3")});
    store().LoadCollection(Collection());
    const std::string old0 = store().Track(0).path, old2 = store().Track(2).path;
    player.playing = store().Track(1).path;
    player.hold = true;
    PlayerLink link(PrivateObjectName("arrange-"));
    auto report = [&](const std::string& path) {
        PlayCountReport r{};
        SetField(r.path, path.c_str());
        r.countPlay = 1;
        r.volumeBoost = kVolumeBoostAutomatic;
        link.liveUpdate.Set(&r);
    };

    ArrangeSession session(store(), {folder.File("out"), "%t"}, player);
    ASSERT_TRUE(session.Start());
    for (int waited = 0; !player.skips && waited < 10000; waited += 5)
        SleepMs(5);
    player.hold = player.skips > 0;  // a failure must not leave the pass held
    ASSERT_EQ(player.skips, 1);
    // Reports that come while the pass runs are kept, not applied: the pass
    // reads the records unchanged. t0 has moved already, t2 has not.
    report(old0);
    EXPECT_EQ(session.TakePlayCountReport(link), -1);
    report(old2);
    EXPECT_EQ(session.TakePlayCountReport(link), -1);
    EXPECT_EQ(store().Track(0).playCount + store().Track(2).playCount, 0u);

    session.RequestStop();
    player.hold = false;
    session.Finish();
    // The playing track was skipped before its file moved; the pass ended
    // after that track.
    EXPECT_TRUE(player.stillInPlace);
    EXPECT_EQ(session.Moved(), 2u);
    EXPECT_STREQ(store().Track(1).path, folder.File("out\\t1.mp3").c_str());
    EXPECT_STREQ(store().Track(2).path, old2.c_str());
    EXPECT_EQ(store().Track(0).playCount, 1u);
    EXPECT_EQ(store().Track(2).playCount, 1u);
    // After the pass, reports apply at once; one naming the new path too.
    report(folder.File("out\\t0.mp3"));
    EXPECT_EQ(session.TakePlayCountReport(link), 0);
    EXPECT_EQ(store().Track(0).playCount, 2u);
}
