#include "player/QueueView.h"

#include "platform/Settings.h"
#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

std::vector<std::string> Lines(PlayContext& context)
{
    std::vector<std::string> lines;
    for (const QueueViewLine& line : BuildQueueView(context))
        lines.push_back(std::to_string(line.kind) + "|" + line.text);
    return lines;
}

}  // namespace

TEST(QueueView, LinesInOrderWithKinds)
{
    ScopedSettingsKey settings;
    PlayerFixture f;
    f.context.launchPlayer = false;
    EXPECT_EQ(Lines(f.context), std::vector<std::string>{"2|Not Playing"});

    const TrackRecord playing = Track("C:\\p.mp3", "Artist", "");
    f.link.trackPlaying.Set(&playing);
    const std::string m3u = f.folder.File("l.m3u");
    ASSERT_TRUE(WriteBytes(m3u, "#EXTM3U\none.mp3\n\nD:\\two.mp3\nthree.mp3\n"));
    const std::string pls = f.folder.File("p.pls");
    ASSERT_TRUE(WriteBytes(pls, "File3=c.mp3\nFile1=a.mp3\nFile2=b.mp3\n"));
    ResetPlayNowWindow(f.context);
    PlayFile(f.context, "C:\\request.mp3");  // the request itself is not listed
    PlayNow(f.context, Track("C:\\x.mp3", "", "Only Title"));
    ASSERT_TRUE(EnqueueFile(f.context, m3u));
    TrackRecord t;
    ASSERT_TRUE(TakeQueueHead(f.context.files.queue, t));  // one.mp3 handed out
    ASSERT_TRUE(EnqueueFile(f.context, pls));
    ASSERT_TRUE(EnqueueFile(f.context, "C:\\plain.mp3"));

    EXPECT_EQ(Lines(f.context),
              (std::vector<std::string>{
                  "1|Playing 'Artist - '",
                  "4|Queued 'Only Title'",
                  "5|Queued Playlist '" + m3u + "'",
                  "6| 1.  'D:\\two.mp3'",
                  "6| 2.  '" + f.folder.File("three.mp3") + "'",
                  "5|Queued Playlist '" + pls + "'",
                  // One pass in file order: File3 comes before File1 and is missed.
                  "6| 1.  '" + f.folder.File("a.mp3") + "'",
                  "6| 2.  '" + f.folder.File("b.mp3") + "'",
                  "4|Queued 'C:\\plain.mp3'",
              }));

    ClearQueue(f.context);
    f.link.myMusicRandom.Set();
    EXPECT_EQ(Lines(f.context), (std::vector<std::string>{"1|Playing 'Artist - '", "0|",
                                                          "3|Randomly Play Music Collection 'user'"}));

    ASSERT_TRUE(WriteBytes(f.context.files.selectionIndex, std::string(4, '\0')));
    EXPECT_EQ(Lines(f.context)[2], "3|Randomly Play Music Collection 'user' [Selective Play]");
    SetText("party", "EditorSelectivePlay");
    EXPECT_EQ(Lines(f.context)[2],
              "3|Randomly Play Music Collection 'user' [Selective Play: party]");
    ASSERT_TRUE(WriteBytes(f.context.files.selectionIndex, ""));
    EXPECT_EQ(Lines(f.context)[2], "3|Randomly Play Music Collection 'user'");
}
