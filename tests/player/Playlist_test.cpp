#include "player/Playlist.h"

#include "platform/FileHandle.h"
#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

// Entries 0..last of a playlist, "|"-separated.
std::string Entries(const std::string& list, uint32_t last)
{
    std::string text;
    for (uint32_t n = 0; n <= last; ++n)
        text += (n ? "|" : "") + GetPlaylistEntry(list, n);
    return text;
}

}  // namespace

TEST(Playlist, RecognisedByExtensionOnly)
{
    bool isPls = false;
    EXPECT_TRUE(IsPlaylist("C:\\a\\list.m3u", &isPls));
    EXPECT_FALSE(isPls);
    EXPECT_TRUE(IsPlaylist("C:\\a\\LIST.PlS", &isPls));
    EXPECT_TRUE(isPls);
    for (const char* other : {"C:\\My.Music\\list", "C:\\a\\list.m3u8", "C:\\a\\list.mp3"})
        EXPECT_FALSE(IsPlaylist(other)) << other;
}

TEST(Playlist, ResolvesEntriesAgainstThePlaylistFolder)
{
    for (auto [entry, resolved] : {std::pair<std::string, const char*>{"song.mp3", "C:\\Lists\\song.mp3"},
                                   {"\\Music\\song.mp3", "C:\\Music\\song.mp3"},
                                   {"D:\\x.mp3", "D:\\x.mp3"},
                                   {"\\\\server\\share\\x.mp3", "\\\\server\\share\\x.mp3"},
                                   {"..\\up\\b.mp3", "C:\\Lists\\..\\up\\b.mp3"}}) {
        ResolveEntryPath(entry, "C:\\Lists\\a.m3u");
        EXPECT_EQ(entry, resolved);
    }
}

TEST(Playlist, EntriesOfM3uAndPlsFiles)
{
    ScratchFolder folder;
    // M3U: comments and blank lines skipped, any line end.
    const std::string m3u = folder.File("a.m3u"), pls = folder.File("b.pls");
    // A UTF-8 byte order mark at the start is no part of the first line.
    ASSERT_TRUE(WriteBytes(m3u, "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:123,A - B\r\nfirst.mp3\r\n\r\n#EXTINF:5,C\nD:\\second.mp3\n\nthird.mp3"));
    EXPECT_EQ(Entries(m3u, 4), "|" + folder.File("first.mp3") + "|D:\\second.mp3|" + folder.File("third.mp3") + "|");
    EXPECT_EQ(GetPlaylistEntry(folder.File("missing.m3u"), 1), "");
    // PLS: found by number, case-sensitively, in any order.
    ASSERT_TRUE(WriteBytes(pls, "\xEF\xBB\xBF" "File2=two.mp3\r\n[playlist]\r\nTitle1=x\r\nfile3=lower.mp3\r\n"
                                "File1=D:\\one.mp3\r\nFile10=ten.mp3\r\nNumberOfEntries=3\r\n"));
    EXPECT_EQ(Entries(pls, 3), "|D:\\one.mp3|" + folder.File("two.mp3") + "|");
    EXPECT_EQ(GetPlaylistEntry(pls, 10), folder.File("ten.mp3"));
}

TEST(Playlist, LongLinesContinueAsTheNextLine)
{
    ScratchFolder folder;
    const std::string list = folder.File("long.m3u"), longLine = "D:\\" + std::string(1200, 'x');
    ASSERT_TRUE(WriteBytes(list, longLine + "\nlast.mp3\n"));
    EXPECT_EQ(Entries(list, 3), "|" + longLine.substr(0, 1000) + "|" + folder.File(longLine.substr(1000)) + "|" +
                                    folder.File("last.mp3"));
    // Too long for a record: cut, so that the numbering stays.
    TrackRecord t = Track("");
    SetEntryPath(t, GetPlaylistEntry(list, 1));
    EXPECT_EQ(std::string(t.path), longLine.substr(0, 259));
}

namespace {

QueueRecord Item(const std::string& path, uint32_t taken = 0)
{
    QueueRecord r;
    memset(&r, 0, sizeof r);
    SetField(r.track.path, path);
    r.track.artist[0] = 'Z';  // must not travel into the entries handed out
    r.taken = taken;
    return r;
}

std::string Bytes(const std::vector<QueueRecord>& records)
{
    return std::string(reinterpret_cast<const char*>(records.data()),
                       records.size() * sizeof(QueueRecord));
}

// The playlist branch of taking a queue head, as the queue does it.
std::string TakeHead(const std::string& queue)
{
    FileHandle file;
    file.Open(queue, FileAccess::ReadWrite, FileDisposition::OpenExisting, false, true);
    QueueRecord head;
    EXPECT_EQ(file.Read(&head, sizeof head, kFromStart), sizeof head);
    TrackRecord out;
    memset(&out, 0x55, sizeof out);
    TakeNextEntry(file, head, out);
    EXPECT_EQ(out.artist[0], '\0');
    EXPECT_EQ(out.playCount, 0u);
    return out.path;
}

}  // namespace

TEST(Playlist, QueuedPlaylistHandsOutEntriesThenLeaves)
{
    ScratchFolder folder;
    const std::string list = folder.File("three.m3u");
    ASSERT_TRUE(WriteBytes(list, "1.mp3\n2.mp3\n3.mp3\n"));
    const std::string queue = folder.File("q");
    ASSERT_TRUE(WriteBytes(queue, Bytes({Item(list), Item("C:\\after.mp3")})));

    for (uint32_t n = 1; n <= 3; ++n) {
        EXPECT_EQ(TakeHead(queue), folder.File(std::to_string(n) + ".mp3"));
        // The item itself is kept whole, counting what it handed out.
        EXPECT_TRUE(n == 3 || (ReadQueue(queue)[0].taken == n && ReadQueue(queue)[0].track.artist[0] == 'Z')) << n;
    }
    EXPECT_EQ(QueuePaths(queue), std::vector<std::string>{"C:\\after.mp3"});

    // A playlist that is gone hands out one empty record and leaves.
    ASSERT_TRUE(WriteBytes(queue, Bytes({Item(folder.File("gone.m3u")), Item("C:\\x.mp3")})));
    EXPECT_EQ(TakeHead(queue), "");
    EXPECT_EQ(QueuePaths(queue), std::vector<std::string>{"C:\\x.mp3"});
}

TEST(Playlist, StepBackMovesTwoEntriesBack)
{
    ScratchFolder folder;
    const std::string list = folder.File("s.m3u");
    ASSERT_TRUE(WriteBytes(list, "1.mp3\n2.mp3\n3.mp3\n4.mp3\n"));
    const std::string queue = folder.File("q");
    ASSERT_TRUE(WriteBytes(queue, Bytes({Item(list, 3), Item("C:\\b.mp3")})));
    EXPECT_TRUE(StepBackInPlaylistItem(queue));
    EXPECT_EQ(ReadQueue(queue)[0].taken, 1u);
    EXPECT_EQ(TakeHead(queue), folder.File("2.mp3"));
    EXPECT_TRUE(StepBackInPlaylistItem(queue));
    EXPECT_EQ(ReadQueue(queue)[0].taken, 0u);
    // Fewer than two handed out: reported as no step, and back to the start.
    ASSERT_TRUE(WriteBytes(queue, Bytes({Item(list, 1)})));
    EXPECT_FALSE(StepBackInPlaylistItem(queue));
    EXPECT_EQ(ReadQueue(queue)[0].taken, 0u);
    // A plain head is left alone; no file, no step.
    const std::string plain = Bytes({Item("C:\\a.mp3", 7)});
    ASSERT_TRUE(WriteBytes(queue, plain));
    EXPECT_FALSE(StepBackInPlaylistItem(queue) || StepBackInPlaylistItem(folder.File("none")));
    EXPECT_EQ(ReadBytes(queue), plain);
}

TEST(Playlist, ExpandReplacesPlaylistsByRemainingEntries)
{
    ScratchFolder folder;
    const std::string list = folder.File("four.pls");
    ASSERT_TRUE(WriteBytes(list, "File1=a.mp3\nFile2=b.mp3\nFile3=c.mp3\nFile4=d.mp3\n"));
    const std::string source = folder.File("src");
    ASSERT_TRUE(WriteBytes(source, Bytes({Item("C:\\x.mp3", 0), Item(list, 1)})));
    const std::string dest = folder.File("dst");
    ASSERT_TRUE(WriteBytes(dest, Bytes({Item("C:\\first.mp3")})));
    ExpandQueueFile(source, dest);
    EXPECT_EQ(QueuePaths(dest), (std::vector<std::string>{"C:\\first.mp3", "C:\\x.mp3", folder.File("b.mp3"),
                                                         folder.File("c.mp3"), folder.File("d.mp3")}));
    // Plain records unchanged, entries fresh.
    const auto out = ReadQueue(dest);
    EXPECT_EQ(out[1].track.artist[0], 'Z');
    EXPECT_TRUE(out[2].track.artist[0] == '\0' && out[2].taken == 0u);

    // A missing source copies nothing.
    ExpandQueueFile(folder.File("nothing"), dest);
    EXPECT_EQ(ReadQueue(dest).size(), 5u);
}
