// The editor's play commands and the stand-in player, each in its own
// process, meeting through the link's objects and the queue files.
#include "platform/FileHandle.h"
#include "player/PlayQueue.h"
#include "player/PlayerTestSupport.h"
#include "player/QueueView.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

std::string Playing(PlayerLink& link)
{
    TrackRecord t = {};
    link.trackPlaying.Get(&t);
    return t.path;
}

TrackTime Time(PlayerLink& link)
{
    TrackTime time = {};
    link.trackTime.Get(&time);
    return time;
}

bool WaitPlaying(PlayerLink& link, const std::string& path)
{
    return WaitUntil([&] { return Playing(link) == path; }, 15000);
}

}  // namespace

TEST(StandinPlayer, LaunchedAsThePlayerPlaysAndCounts)
{
    PlayerFixture f;
    // The install folder holds the stand-in as "plak.exe".
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "standin_player.exe").c_str(),
                          f.folder.File("plak.exe").c_str(), FALSE));
    WriteStandinConfig(f.folder.File("standin.cfg"), f, f.folder.File("log.txt"), 300, 50);
    std::vector<TrackRecord> collection = {Track("C:\\m\\a.mp3", "Ann", "Song"),
                                           Track("C:\\m\\b.mp3")};
    ASSERT_TRUE(WriteBytes(f.context.files.collection, RecordsBytes(collection)));

    ResetPlayNowWindow(f.context);
    ASSERT_TRUE(PlayNow(f.context, collection[0]));  // launches and waits for the player
    EXPECT_TRUE(f.link.playerRunning.IsSet());
    EXPECT_TRUE(f.recorder.messages.empty());
    ASSERT_TRUE(WaitPlaying(f.link, "C:\\m\\a.mp3"));
    EXPECT_EQ(BuildQueueView(f.context)[0].text, "Playing 'Ann - Song'");
    EXPECT_EQ(Time(f.link).lengthMs, 300u);

    // Played to its end: counted in the collection file, the previously
    // played file and the report, which the editor applies and clears.
    PlayCountReport report = {};
    ASSERT_TRUE(WaitUntil(
        [&] {
            f.link.liveUpdate.Get(&report);
            return report.path[0] != '\0';
        },
        15000));
    EXPECT_STREQ(report.path, "C:\\m\\a.mp3");
    EXPECT_EQ(report.countPlay, 1);
    EXPECT_EQ(report.volumeBoost, kVolumeBoostAutomatic);
    EXPECT_EQ(TakePlayCountReport(f.link, collection.data(), collection.size()), 0);
    EXPECT_EQ(collection[0].playCount, 1u);
    const std::string stored = ReadBytes(f.context.files.collection);
    ASSERT_EQ(stored.size(), 2 * sizeof(TrackRecord));
    EXPECT_EQ(reinterpret_cast<const TrackRecord*>(stored.data())[0].playCount, 1u);
    const std::string previous = ReadBytes(f.context.files.previouslyPlayed);
    ASSERT_GE(previous.size(), sizeof(TrackRecord));
    EXPECT_STREQ(reinterpret_cast<const TrackRecord*>(previous.data())->path, "C:\\m\\a.mp3");

    // A second launch request finds the player running.
    EXPECT_TRUE(EnsurePlayerRunning(f.context));
    f.link.close.Set();
    EXPECT_TRUE(WaitUntil([&] { return !f.link.playerRunning.IsSet(); }, 15000));
}

TEST(StandinPlayer, HonoursSkipSeekPauseStopAndClose)
{
    PlayerFixture f;
    f.context.launchPlayer = false;
    const std::string config = f.folder.File("standin.cfg");
    WriteStandinConfig(config, f, f.folder.File("log.txt"), 60000, 50);
    StandinProcess player;
    ASSERT_TRUE(player.Start(config));
    ASSERT_TRUE(WaitUntil([&] { return f.link.playerRunning.IsSet(); }, 15000));

    ASSERT_TRUE(EnqueueFile(f.context, "C:\\m\\b.mp3"));
    ASSERT_TRUE(EnqueueFile(f.context, "C:\\m\\c.mp3"));
    PlayToggle(f.context);
    ASSERT_TRUE(WaitPlaying(f.link, "C:\\m\\b.mp3"));
    EXPECT_EQ(BuildQueueView(f.context)[1].text, "Queued 'C:\\m\\c.mp3'");

    Skip(f.context);
    ASSERT_TRUE(WaitPlaying(f.link, "C:\\m\\c.mp3"));
    EXPECT_EQ(FileSize(f.context.files.queue), 0u);

    // Seek to the middle; skip back after five seconds restarts the track.
    f.link.skipToPos.SetU32(51);
    ASSERT_TRUE(WaitUntil([&] { return Time(f.link).elapsedMs >= 30000; }, 15000));
    SkipBack(f.context);
    ASSERT_TRUE(WaitUntil([&] { return Time(f.link).elapsedMs < 5000; }, 15000));
    EXPECT_EQ(Playing(f.link), "C:\\m\\c.mp3");

    // Pause holds the position.
    TogglePause(f.context);
    Sleep(100);
    const uint32_t held = Time(f.link).elapsedMs;
    Sleep(300);
    EXPECT_EQ(Time(f.link).elapsedMs, held);
    PlayToggle(f.context);  // resume
    EXPECT_FALSE(f.link.pause.IsSet());
    ASSERT_TRUE(WaitUntil([&] { return Time(f.link).elapsedMs > held; }, 15000));

    // Within five seconds, skip back requests the track before this one
    // from the previously played file (c, b, ...), played at the next change.
    SkipBack(f.context);
    Skip(f.context);
    ASSERT_TRUE(WaitPlaying(f.link, "C:\\m\\b.mp3"));

    PlayToggle(f.context);  // stop
    ASSERT_TRUE(WaitPlaying(f.link, ""));
    EXPECT_EQ(BuildQueueView(f.context)[0].text, "Not Playing");

    f.link.close.Set();
    EXPECT_TRUE(player.WaitForExit(15000));
    EXPECT_FALSE(f.link.playerRunning.IsSet());
    const std::string log = ReadBytes(f.folder.File("log.txt"));
    EXPECT_NE(log.find("TAKE\tC:\\m\\b.mp3\t"), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
}

TEST(StandinPlayer, RandomPlayDrawsFromTheSelection)
{
    PlayerFixture f;
    f.context.launchPlayer = false;
    std::vector<TrackRecord> collection;
    for (int i = 0; i < 5; ++i)
        collection.push_back(Track("C:\\r\\" + std::to_string(i) + ".mp3", "", "", 9));
    ASSERT_TRUE(WriteBytes(f.context.files.collection, RecordsBytes(collection)));
    const uint32_t selection[] = {1, 3};
    ASSERT_TRUE(WriteBytes(f.context.files.selectionIndex,
                           std::string(reinterpret_cast<const char*>(selection), 8)));
    const std::string config = f.folder.File("standin.cfg");
    const std::string log = f.folder.File("log.txt");
    WriteStandinConfig(config, f, log, 20, 50);
    StandinProcess player;
    ASSERT_TRUE(player.Start(config));
    ASSERT_TRUE(WaitUntil([&] { return f.link.playerRunning.IsSet(); }, 15000));
    RandomPlayOn(f.context);
    ASSERT_TRUE(WaitUntil(
        [&] {
            const std::string text = ReadBytes(log);
            return std::count(text.begin(), text.end(), '\n') >= 6;
        },
        15000));
    f.link.close.Set();
    ASSERT_TRUE(player.WaitForExit(15000));

    const std::string taken = ReadBytes(log);
    EXPECT_EQ(taken.find("C:\\r\\0.mp3"), std::string::npos);
    EXPECT_EQ(taken.find("C:\\r\\2.mp3"), std::string::npos);
    EXPECT_EQ(taken.find("C:\\r\\4.mp3"), std::string::npos);
    // Plays counted in the collection file only for the selected tracks.
    const std::string stored = ReadBytes(f.context.files.collection);
    ASSERT_EQ(stored.size(), 5 * sizeof(TrackRecord));
    const TrackRecord* tracks = reinterpret_cast<const TrackRecord*>(stored.data());
    EXPECT_EQ(tracks[0].playCount + tracks[2].playCount + tracks[4].playCount, 0u);
    EXPECT_GE(tracks[1].playCount + tracks[3].playCount, 5u);
}
