#include "player/Playlist.h"

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
