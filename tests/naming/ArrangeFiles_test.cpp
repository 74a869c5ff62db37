#include "naming/ArrangeFiles.h"

#include "core/StoreFixture.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/Wait.h"

#include <atomic>
#include <map>

using namespace vuv;
using namespace vuvtest;

namespace {

// Plays one path; SkipPlaying checks that the file has not moved yet and,
// when asked to, holds the pass there until the test lets it go.
class FakePlayer : public ArrangePlayer {
public:
    std::string PlayingPath() override { return playing; }
    void SkipPlaying() override
    {
        ++skips;
        stillInPlace = Exists(playing);
        reached = true;
        while (hold)
            SleepMs(5);
    }
    std::string playing;
    std::atomic<int> skips{0};
    std::atomic<bool> stillInPlace{false};
    std::atomic<bool> reached{false};
    std::atomic<bool> hold{false};
};

// Every file below the folder, by its contents (the tests give each file
// its own contents).
void Collect(const std::string& folder, std::map<std::string, int>& files)
{
    for (const FolderEntry& e : FolderEntries(folder, "*.*")) {
        if (e.isFolder)
            Collect(e.fullPath + "\\", files);
        else
            ++files[ReadBytes(e.fullPath)];
    }
}

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
    std::string Out(const std::string& rest) const { return folder.File("out\\") + rest; }
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
        Track(std::string(99, 'x').c_str(), std::string(99, 'y').c_str(), "e.mp3"),  // too long: stays
        Track("AC/DC", "T.N.T.", "f.mp3"),
    };
    tracks[3].genreIds[0] = 99;  // not in the list
    WriteCollection(tracks);
    store().LoadCollection();
    const uint16_t pop = store().Genres().IdFor("Pop", true);
    store().Track(0).genreIds[0] = store().Track(1).genreIds[0] = pop;
    std::map<std::string, int> before;
    Collect(folder.Path(), before);

    const ArrangeSettings settings{folder.File("out") + std::string(250, 'r'), "%g\\%a - %t"};
    ArrangeSession session(store(), {folder.File("out"), "%g\\%a\\%a - %t"}, player);
    Run(session);
    EXPECT_EQ(session.Moved(), 3u);
    EXPECT_EQ(session.TrackCount(), 6u);
    EXPECT_STREQ(store().Track(0).path, Out("Pop\\Corvina\\Corvina - Rain.ext").c_str());
    EXPECT_STREQ(store().Track(1).path, folder.File("in\\b.ext").c_str());
    EXPECT_STREQ(store().Track(2).path, folder.File("in\\c.mp3").c_str());
    EXPECT_STREQ(store().Track(3).path, Out("Corvina\\Corvina - Dust.").c_str());
    EXPECT_STREQ(store().Track(5).path, Out("AC-DC\\AC-DC - T.N.T.mp3").c_str());
    for (size_t i = 0; i < store().Count(); ++i)
        EXPECT_EQ(Exists(store().Track(i).path), i != 2) << i;
    std::map<std::string, int> after;
    Collect(folder.Path(), after);
    after.erase(ReadBytes(MoveJournalPathFor(Collection())));
    EXPECT_EQ(after, before);  // each file exactly once, nothing overwritten

    // A path too long for the root: the move is refused, the file stays.
    ArrangeSession tooLong(store(), settings, player);
    Run(tooLong);
    EXPECT_EQ(tooLong.Moved(), 0u);

    // Saved, a second run finds every file in its place.
    ASSERT_TRUE(store().SaveCollection(false));
    ArrangeSession again(store(), {folder.File("out\\"), "%g\\%a\\%a - %t"}, player);
    Run(again);
    EXPECT_EQ(again.Moved(), 0u);
    EXPECT_EQ(player.skips, 0);
}

TEST_F(ArrangeFilesTest, PlayingTrackStopHalfWayAndPlayCounts)
{
    std::vector<TrackRecord> tracks;
    for (const char* name : {"t0", "t1", "t2", "t3"})
        tracks.push_back(Track("A", name, (std::string(name) + ".mp3").c_str()));
    WriteCollection(tracks);
    store().LoadCollection();
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
    for (int waited = 0; !player.reached && waited < 10000; waited += 5)
        SleepMs(5);
    player.hold = player.reached.load();  // a failure must not leave the pass held
    ASSERT_TRUE(player.reached);
    // Reports that come while the pass runs are kept, not applied: the pass
    // reads the records unchanged. t0 has moved already, t2 has not.
    report(old0);
    EXPECT_EQ(session.TakePlayCountReport(link), -1);
    report(old2);
    EXPECT_EQ(session.TakePlayCountReport(link), -1);
    EXPECT_EQ(store().Track(0).playCount + store().Track(2).playCount, 0u);
    EXPECT_EQ(session.Progress(), 0);

    session.RequestStop();
    player.hold = false;
    session.Finish();
    // The playing track was skipped before its file moved; the pass ended
    // after that track.
    EXPECT_EQ(player.skips, 1);
    EXPECT_TRUE(player.stillInPlace);
    EXPECT_EQ(session.Moved(), 2u);
    EXPECT_STREQ(store().Track(1).path, Out("t1.mp3").c_str());
    EXPECT_STREQ(store().Track(2).path, old2.c_str());
    EXPECT_EQ(store().Track(0).playCount, 1u);
    EXPECT_EQ(store().Track(2).playCount, 1u);
    // After the pass, reports apply at once; one naming the new path too.
    report(Out("t0.mp3"));
    EXPECT_EQ(session.TakePlayCountReport(link), 0);
    EXPECT_EQ(store().Track(0).playCount, 2u);
}

TEST_F(ArrangeFilesTest, EmptyCollectionEndsAtOnceAndSettingsHaveDefaults)
{
    ArrangeSession session(store(), LoadArrangeSettings(), player);
    Run(session);
    EXPECT_EQ(session.Moved(), 0u);
    const ArrangeSettings defaults = LoadArrangeSettings();
    EXPECT_EQ(defaults.root, "C:\\TbMusic");
    EXPECT_EQ(defaults.pattern, "%a\\%a - %t");
    StoreArrangeSettings({"D:\\M", "%t"});
    EXPECT_EQ(LoadArrangeSettings().root, "D:\\M");
    EXPECT_EQ(LoadArrangeSettings().pattern, "%t");
}
