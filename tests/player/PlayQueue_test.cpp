#include "player/PlayQueue.h"

#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vuv;
using namespace vuvtest;

namespace {

struct Queues : PlayerFixture {
    Queues() { context.launchPlayer = false; }
    uint32_t Changes() { return link.playListChanged.GetU32(); }
    // Three plain tracks queued, a play-now request and one behind it.
    void FillBothQueues()
    {
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(EnqueueFile(context, "C:\\q" + std::to_string(i) + ".mp3"));
        ResetPlayNowWindow(context);
        PlayFile(context, "C:\\request.mp3");
        PlayFile(context, "C:\\prio.mp3");
    }
};

// The shuffle as the suite always drew it: distinct draws found by
// searching the permutation drawn so far.
std::vector<uint32_t> PlainPermutation(uint32_t n)
{
    std::vector<uint32_t> order;
    while (order.size() < n) {
        const uint32_t r = uint32_t(RandomBelow(int32_t(n)));
        if (std::find(order.begin(), order.end(), r) == order.end())
            order.push_back(r);
    }
    return order;
}

}  // namespace

TEST(PlayQueue, PlaySelectionOneRequestThenPriorityQueue)
{
    Queues q;
    ResetPlayNowWindow(q.context);
    const uint32_t before = q.Changes();
    for (const char* path : {"C:\\1.mp3", "C:\\2.mp3", "C:\\3.mp3"})
        ASSERT_TRUE(PlayNow(q.context, Track(path)));
    EXPECT_EQ(ShouldPlay(q.link), "C:\\1.mp3");
    EXPECT_EQ(QueuePaths(q.context.files.priorityQueue), (std::vector<std::string>{"C:\\2.mp3", "C:\\3.mp3"}));
    EXPECT_EQ(q.Changes() - before, 3u);  // one per start-play
    EXPECT_TRUE(q.link.play.IsSet());
    EXPECT_FALSE(q.link.pause.IsSet());
    // Outside the window a request replaces the one not yet taken.
    q.link.lastSetTsp.SetU32(GetTickCount() - 5000);
    ASSERT_TRUE(PlayFile(q.context, "C:\\4.mp3"));
    EXPECT_EQ(ShouldPlay(q.link), "C:\\4.mp3");
    EXPECT_EQ(ReadQueue(q.context.files.priorityQueue).size(), 2u);
}

TEST(PlayQueue, NextTrackOrderAndQueueFiles)
{
    Queues q;
    std::vector<std::string> filled;
    q.context.fillTrack = [&](TrackRecord& t) { filled.push_back(t.path); };
    ASSERT_TRUE(Enqueue(q.context, Track("C:\\q1.mp3", "Art", "T")));
    ASSERT_TRUE(EnqueueFile(q.context, "C:\\q2.mp3"));
    ResetPlayNowWindow(q.context);
    PlayFile(q.context, "C:\\now.mp3");
    PlayFile(q.context, "C:\\prio.mp3");
    EXPECT_TRUE(AnythingToPlay(q.context));

    std::vector<std::string> order;
    TrackRecord t;
    while (NextTrack(q.context, t))
        order.push_back(t.path);
    EXPECT_EQ(order, (std::vector<std::string>{"C:\\now.mp3", "C:\\prio.mp3", "C:\\q1.mp3", "C:\\q2.mp3"}));
    EXPECT_EQ(filled, order);
    EXPECT_EQ(ShouldPlay(q.link), "");
    EXPECT_EQ(FileSize(q.context.files.queue), 0u);
    EXPECT_FALSE(AnythingToPlay(q.context));
    q.link.myMusicRandom.Set();
    EXPECT_TRUE(AnythingToPlay(q.context));  // random play on, but an empty collection
    EXPECT_FALSE(NextTrack(q.context, t));
    // A partial record at the end of a queue file is not counted, and the
    // next append starts where it starts.
    const std::string whole = RecordsBytes({Track("C:\\a.mp3")}) + std::string(4, '\0');  // + taken
    ASSERT_TRUE(WriteBytes(q.context.files.queue, whole + std::string(17, 'X')));
    ASSERT_TRUE(EnqueueFile(q.context, "C:\\b.mp3"));
    EXPECT_EQ(FileSize(q.context.files.queue), 2u * kQueueRecordSize);
    EXPECT_EQ(QueuePaths(q.context.files.queue), (std::vector<std::string>{"C:\\a.mp3", "C:\\b.mp3"}));
    ASSERT_TRUE(WriteBytes(q.context.files.queue, std::string(100, 'x')));
    EXPECT_FALSE(TakeQueueHead(q.context.files.queue, t));
}

TEST(PlayQueue, PlaylistTracksPlayAsOneItem)
{
    Queues q;
    const std::string list = q.folder.File("two.m3u"), loop = q.folder.File("loop.m3u");
    ASSERT_TRUE(WriteBytes(list, "a.mp3\nb.mp3\n"));
    ASSERT_TRUE(WriteBytes(q.context.files.collection, RecordsBytes({Track(list, "", "", 9)})));
    q.link.myMusicRandom.Set();
    const uint32_t before = q.Changes();
    TrackRecord t;
    ASSERT_TRUE(NextTrack(q.context, t));
    EXPECT_EQ(std::string(t.path), q.folder.File("a.mp3"));
    EXPECT_EQ(q.Changes() - before, 1u);
    // The playlist now waits in the priority queue with one entry handed out.
    auto prio = ReadQueue(q.context.files.priorityQueue);
    ASSERT_EQ(prio.size(), 1u);
    EXPECT_EQ(prio[0].taken, 1u);
    ASSERT_TRUE(NextTrack(q.context, t));
    EXPECT_EQ(std::string(t.path), q.folder.File("b.mp3"));
    EXPECT_EQ(FileSize(q.context.files.priorityQueue), 0u);
    // A playlist that names itself does not send the draw round for ever.
    ASSERT_TRUE(WriteBytes(loop, "loop.m3u\n"));
    q.link.myMusicRandom.Reset();
    ASSERT_TRUE(EnqueueFile(q.context, loop));
    EXPECT_FALSE(NextTrack(q.context, t));
    // Nor does the priority queue grow with every next.
    ASSERT_TRUE(WriteBytes(loop, "loop.m3u\nloop.m3u\nloop.m3u\n"));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(NextTrack(q.context, t));
    EXPECT_LE(ReadQueue(q.context.files.priorityQueue).size(), 2u);
}


TEST(PlayQueue, PlayToggleStartsResumesAndStops)
{
    Queues q;
    // Nothing to play: the first previously played record is requested.
    ASSERT_TRUE(WriteBytes(q.context.files.previouslyPlayed,
                           RecordsBytes({Track("C:\\last.mp3"), Track("C:\\before.mp3")})));
    const uint32_t before = q.Changes();
    PlayToggle(q.context);
    EXPECT_TRUE(q.link.play.IsSet());
    EXPECT_EQ(ShouldPlay(q.link), "C:\\last.mp3");
    EXPECT_GE(q.Changes() - before, 2u);
    q.link.pause.Set();
    PlayToggle(q.context);
    EXPECT_TRUE(q.link.play.IsSet() && !q.link.pause.IsSet());
    PlayToggle(q.context);
    EXPECT_FALSE(q.link.play.IsSet());
    // Something queued: no previously played record is requested.
    TrackRecord taken;
    ASSERT_TRUE(TakePlayNowRequest(q.context, taken));
    ASSERT_TRUE(EnqueueFile(q.context, "C:\\q.mp3"));
    PlayToggle(q.context);
    EXPECT_EQ(ShouldPlay(q.link), "");

    // The pause and random toggles count as changes.
    const uint32_t c = q.Changes();
    TogglePause(q.context);
    EXPECT_TRUE(q.link.pause.IsSet());
    ToggleRandomPlay(q.context);
    EXPECT_TRUE(q.link.myMusicRandom.IsSet());
    EXPECT_EQ(q.Changes() - c, 2u);
}

TEST(PlayQueue, SkipBackRestartsStepsBackOrWalksPreviouslyPlayed)
{
    Queues q;
    ASSERT_TRUE(EnqueueFile(q.context, "C:\\queued.mp3"));
    TrackTime time = {200000, 6000, 0};
    q.link.trackTime.Set(&time);
    SkipBack(q.context);
    EXPECT_EQ(q.link.skipToPos.GetU32(), 1u);
    EXPECT_EQ(ReadQueue(q.context.files.queue).size(), 1u);
    q.link.skipToPos.SetU32(0);

    time.elapsedMs = 5000;
    q.link.trackTime.Set(&time);
    std::vector<TrackRecord> previous;
    for (int i = 0; i < 5; ++i)
        previous.push_back(Track("C:\\p" + std::to_string(i) + ".mp3"));
    ASSERT_TRUE(WriteBytes(q.context.files.previouslyPlayed, RecordsBytes(previous)));
    std::vector<std::string> requested;
    for (int i = 0; i < 4; ++i) {
        SkipBack(q.context);
        requested.push_back(ShouldPlay(q.link));
    }
    // Record 5 does not exist: the cursor starts again.
    EXPECT_EQ(requested, (std::vector<std::string>{"C:\\p1.mp3", "C:\\p3.mp3", "C:\\p3.mp3", "C:\\p1.mp3"}));
    EXPECT_FALSE(q.link.skip.IsSet());

    // A queued playlist steps back inside itself and skips.
    const std::string list = q.folder.File("l.m3u");
    ASSERT_TRUE(WriteBytes(list, "1.mp3\n2.mp3\n3.mp3\n"));
    ClearQueue(q.context);
    ASSERT_TRUE(EnqueueFile(q.context, list));
    TrackRecord t;
    ASSERT_TRUE(TakeQueueHead(q.context.files.queue, t));
    ASSERT_TRUE(TakeQueueHead(q.context.files.queue, t));
    const uint32_t c = q.Changes();
    SkipBack(q.context);
    EXPECT_TRUE(q.link.skip.IsSet());
    EXPECT_EQ(q.Changes() - c, 1u);
    ASSERT_TRUE(TakeQueueHead(q.context.files.queue, t));
    EXPECT_EQ(std::string(t.path), q.folder.File("1.mp3"));
}

TEST(PlayQueue, ClearAndRequeue)
{
    Queues q;
    EXPECT_FALSE(RequeuePlayingTrack(q.context));
    const TrackRecord playing = Track("C:\\playing.mp3", "P");
    q.link.trackPlaying.Set(&playing);
    ASSERT_TRUE(RequeuePlayingTrack(q.context));
    EXPECT_EQ(ReadBytes(q.context.files.queue), RecordsBytes({playing}) + std::string(4, '\0'));
    q.FillBothQueues();
    const uint32_t c = q.Changes();
    ClearQueue(q.context);
    EXPECT_FALSE(Exists(q.context.files.queue) || Exists(q.context.files.priorityQueue));
    EXPECT_EQ(q.Changes() - c, 1u);
}

TEST(PlayQueue, ALockedQueueFileLosesNothing)
{
    Queues q;
    q.FillBothQueues();
    const std::string queue = ReadBytes(q.context.files.queue), priority = ReadBytes(q.context.files.priorityQueue);
    FileHandle holder;
    holder.Open(q.context.files.queue, FileAccess::Read, FileDisposition::OpenExisting, false, false);
    ASSERT_TRUE(holder.IsOpen());
    // The append reports the file in use for the caller to tell; the
    // shuffle tells the user itself.
    const QueueResult result = Enqueue(q.context, Track("C:\\x.mp3"));
    EXPECT_FALSE(result);
    EXPECT_EQ(QueueInUseMessage(result.queueInUse),
              "Unable to add to the play queue: '" + q.context.files.queue + "' stays in use.");
    ShuffleQueue(q.context);
    holder.Close();
    EXPECT_EQ(ReadBytes(q.context.files.queue), queue);
    EXPECT_EQ(ReadBytes(q.context.files.priorityQueue), priority);
    ASSERT_EQ(q.recorder.messages.size(), 1u);
    EXPECT_EQ(q.recorder.messages[0].text, "Unable to shuffle the play queue '" + q.context.files.queue + "'.");
    EXPECT_TRUE(Enqueue(q.context, Track("C:\\x.mp3")));
}

TEST(PlayQueue, ShuffleDrawsAsBeforeForSmallQueues)
{
    for (uint32_t n : {1u, 2u, 37u, 500u, 10000u}) {
        SeedRandom(20261205);
        const auto plain = PlainPermutation(n);
        SeedRandom(20261205);
        ASSERT_EQ(ShufflePermutation(n), plain) << n;
    }
    // Above 10,000 it completes and is a permutation.
    SeedRandom(99);
    auto big = ShufflePermutation(25000);
    std::vector<uint32_t> sorted = big;
    std::sort(sorted.begin(), sorted.end());
    for (uint32_t i = 0; i < 25000; ++i)
        ASSERT_EQ(sorted[i], i);
    // RandomBelow(25000) only yields values ending in 0, 2, 5 or 7; the
    // records that the shuffle moves to the front come from everywhere.
    bool unreachable = false;
    for (uint32_t i = 0; i < 100; ++i)
        unreachable = unreachable || (big[i] % 5 != 0 && big[i] % 5 != 2);
    EXPECT_TRUE(unreachable);
}

TEST(PlayQueue, ShuffleExpandsBothQueuesIntoTheQueue)
{
    Queues q;
    const std::string list = q.folder.File("four.m3u");
    ASSERT_TRUE(WriteBytes(list, "1.mp3\n2.mp3\n3.mp3\n4.mp3\n"));
    ASSERT_TRUE(EnqueueFile(q.context, list));
    TrackRecord t;
    ASSERT_TRUE(TakeQueueHead(q.context.files.queue, t));  // entry 1 taken
    q.FillBothQueues();
    SeedRandom(7);
    ShuffleQueue(q.context);
    EXPECT_FALSE(Exists(q.context.files.priorityQueue));
    // Priority first, then the queue, playlist expanded, permuted by the draw.
    const std::vector<std::string> before = {"C:\\prio.mp3", q.folder.File("2.mp3"), q.folder.File("3.mp3"),
                                             q.folder.File("4.mp3"), "C:\\q0.mp3", "C:\\q1.mp3", "C:\\q2.mp3"};
    SeedRandom(7);
    std::vector<std::string> expected;
    for (uint32_t i : PlainPermutation(7))
        expected.push_back(before[i]);
    EXPECT_EQ(QueuePaths(q.context.files.queue), expected);
    for (const QueueRecord& r : ReadQueue(q.context.files.queue))
        EXPECT_EQ(r.taken, 0u);

    ClearQueue(q.context);
    const uint32_t c = q.Changes();
    ShuffleQueue(q.context);
    EXPECT_FALSE(Exists(q.context.files.queue) || Exists(q.context.files.priorityQueue));
    EXPECT_EQ(q.Changes() - c, 1u);
}

TEST(PlayQueue, LaunchingThePlayer)
{
    Queues q;
    q.context.launchPlayer = true;
    // No player in the install folder: the user is told, and the launch
    // flag is down again afterwards.
    EXPECT_FALSE(StartPlay(q.context));
    ASSERT_EQ(q.recorder.messages.size(), 1u);
    EXPECT_EQ(q.recorder.messages[0].text, "Unable to start the player '" + q.folder.File("plak.exe") + "'.");
    NamedEvent beingStarted(q.link.ObjectName("TbPLAKBeingStarted").c_str());
    EXPECT_FALSE(beingStarted.IsSet());
    // Another caller is launching it: nothing is started.
    beingStarted.Set();
    EXPECT_TRUE(EnsurePlayerRunning(q.context));
    beingStarted.Reset();

    // The player of the install folder (the stand-in as "plak.exe") is
    // launched, waited for, and takes the track.
    ASSERT_TRUE(CopyFileA(StandinPath().c_str(), q.folder.File("plak.exe").c_str(), FALSE));
    ASSERT_TRUE(q.WriteStandinConfig(q.folder.File("standin.cfg"), q.folder.File("log.txt"), 50));
    ResetPlayNowWindow(q.context);
    ASSERT_TRUE(PlayNow(q.context, Track("C:\\m\\a.mp3")));
    EXPECT_TRUE(q.link.playerRunning.IsSet());
    EXPECT_EQ(q.recorder.messages.size(), 1u);
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(q.folder.File("log.txt")).find("C:\\m\\a.mp3") != std::string::npos; },
                          15000));
    EXPECT_TRUE(EnsurePlayerRunning(q.context));  // it runs: not launched again
    q.link.close.Set();
    EXPECT_TRUE(WaitUntil([&] { return !q.link.playerRunning.IsSet(); }, 15000));
}
