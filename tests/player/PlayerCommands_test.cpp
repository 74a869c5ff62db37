// The player commands of vuvtool, run as the program itself from a private
// copy (so that its install folder and per-user files are private) with a
// private prefix for the link's objects.
#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

TEST(PlayerCommands, PlaylistListsEntries)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    const std::string list = tool.folder.File("l.pls");
    ASSERT_TRUE(WriteBytes(list, "File2=D:\\b.mp3\nFile1=a.mp3\nFile4=d.mp3\n"));
    const ToolResult r = tool.Run("playlist \"" + list + "\"");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, tool.folder.File("a.mp3") + "\nD:\\b.mp3\n");  // ends at the gap
    EXPECT_EQ(tool.Run("playlist").exitCode, 1);
}

TEST(PlayerCommands, QueueCommandsOnThePerUserFiles)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    ASSERT_EQ(tool.Run("enqueue C:\\one.mp3 \"C:\\two three.mp3\"").exitCode, 0);
    EXPECT_EQ(QueuePaths(tool.user + ".Enqued"), (std::vector<std::string>{"C:\\one.mp3", "C:\\two three.mp3"}));
    const TrackRecord playing = Track("C:\\now.mp3", "Now", "Playing");
    tool.link.trackPlaying.Set(&playing);
    EXPECT_EQ(tool.Run("queue").out,
              "1\tPlaying 'Now - Playing'\n4\tQueued 'C:\\one.mp3'\n4\tQueued 'C:\\two three.mp3'\n");
    ToolResult r = tool.Run("next");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "C:\\one.mp3\n");
    EXPECT_EQ(tool.Run("shuffle").exitCode, 0);
    EXPECT_EQ(QueuePaths(tool.user + ".Enqued"), std::vector<std::string>{"C:\\two three.mp3"});
    EXPECT_EQ(tool.Run("clear-queue").exitCode, 0);
    EXPECT_EQ(FileSize(tool.user + ".Enqued"), 0u);
    r = tool.Run("next");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(tool.Run("next --sideways").exitCode, 1);
}

TEST(PlayerCommands, TracksOfTheCollectionPlayedAndEnqueued)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    const std::string collection = tool.folder.File("c.mcc");
    ASSERT_TRUE(WriteBytes(collection, RecordsBytes({Track("C:\\m\\0.mp3", "Zero", "", 9),
                                                     Track("C:\\m\\\\1.mp3", "One"), Track("C:\\m\\2.mp3")})));
    const std::string with = "--collection \"" + collection + "\" ";
    ASSERT_EQ(tool.Run(with + "play 2 0 1").exitCode, 0);
    EXPECT_EQ(tool.ShouldPlay(), "C:\\m\\2.mp3");
    EXPECT_EQ(QueuePaths(tool.user + ".PriorityEnqued"), (std::vector<std::string>{"C:\\m\\0.mp3", "C:\\m\\1.mp3"}));
    EXPECT_TRUE(tool.link.play.IsSet());
    EXPECT_FALSE(tool.link.playerRunning.IsSet());  // vuvtool never launches the player

    EXPECT_EQ(tool.Run(with + "enqueue-track 1").exitCode, 0);
    const auto queued = ReadQueue(tool.user + ".Enqued");
    ASSERT_EQ(queued.size(), 1u);
    EXPECT_STREQ(queued[0].track.artist, "One");
    EXPECT_EQ(tool.Run(with + "enqueue-track 3").exitCode, 2);
    EXPECT_EQ(tool.Run(with + "play x").exitCode, 2);

    // Random play draws from the collection once the queues are empty.
    EXPECT_EQ(tool.Run("clear-queue").exitCode, 0);
    const TrackRecord none = {};
    tool.link.trackShouldPlay.Set(&none);
    EXPECT_EQ(tool.Run(with + "next").exitCode, 2);
    const ToolResult r = tool.Run(with + "next --random");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("C:\\m\\", 0), 0u) << r.out;
    EXPECT_TRUE(tool.link.myMusicRandom.IsSet());
}
