// The track sources' logic: the folder scan (recursion, "recycler",
// Cancel), a picked playlist expanded, the playlist read in one pass giving
// what the lookups by number give, the picker's filter.
#include "intake/IntakeFixture.h"
#include "intake/TrackSources.h"
#include "player/Playlist.h"

#include <windows.h>

#include <algorithm>

using namespace vuvtest;

namespace {

class TrackSourcesTest : public IntakeTest {
protected:
    std::vector<std::string> Scan(bool recurse)
    {
        std::vector<std::string> paths;
        vuv::ScanFolder(folder.File("Lib"), paths, recurse, progress);
        std::sort(paths.begin(), paths.end());  // the file system's order is its own
        return paths;
    }
};

}  // namespace

TEST_F(TrackSourcesTest, FolderScanSkipsRecyclerFoldersAndFollowsTheRecursion)
{
    for (const char* sub : {"Lib", "Lib\\RECYCLER", "Lib\\Recycled", "Lib\\Sub", "Lib\\Sub\\recycler"})
        CreateDirectoryA(folder.File(sub).c_str(), nullptr);
    for (const char* file : {"Lib\\a.ttag", "Lib\\notes.txt", "Lib\\RECYCLER\\b.ttag", "Lib\\Recycled\\c.TTAG",
                             "Lib\\Sub\\d.ttag", "Lib\\Sub\\recycler\\e.ttag"})
        Tagged(file, "title=x\n");
    EXPECT_EQ(Scan(true), (std::vector<std::string>{folder.File("Lib\\Recycled\\c.TTAG"), folder.File("Lib\\Sub\\d.ttag"),
                                                    folder.File("Lib\\a.ttag")}));
    EXPECT_EQ(progress.detail, "Found 3 Tracks");
    EXPECT_EQ(Scan(false), std::vector<std::string>{folder.File("Lib\\a.ttag")});
    progress.cancelAfter = progress.pumps;  // Cancel pressed before the scan
    std::vector<std::string> paths;
    EXPECT_FALSE(vuv::ScanFolder(folder.File("Lib"), paths, true, progress));
    EXPECT_TRUE(paths.empty());
}

TEST_F(TrackSourcesTest, PlaylistsGiveTheirEntriesInOneReadAsLookupsByNumberDo)
{
    const std::string longLine(1200, 'x');
    const char tail[] = ".ttag\nlist.m3u\rX\nwith\0nul.ttag\nlast.ttag";
    const std::string m3u = Tagged("list.m3u", "#EXTM3U\r\n#EXTINF:1,A\r\nsong.ttag\r\n\r\n\\Music\\b.TTAG\nD:\\c.txt\r\n" +
                                                   longLine + std::string(tail, sizeof tail - 1));
    const std::string pls = Tagged("list.pls", "[playlist]\nFile2=two.ttag\nfile1=lower.ttag\nFile01=zero.ttag\n"
                                               "File1=one.ttag\nFile1=again.ttag\nFile3=\nFile5=five.ttag\n");
    for (const std::string& list : {m3u, pls}) {
        std::vector<std::string> byNumber;
        for (uint32_t n = 1; !vuv::GetPlaylistEntry(list, n).empty(); ++n)
            byNumber.push_back(vuv::GetPlaylistEntry(list, n));
        EXPECT_EQ(vuv::NumberedEntries(list, 1), byNumber) << list;
        EXPECT_EQ(vuv::NumberedEntries(list, 2), std::vector<std::string>(byNumber.begin() + 1, byNumber.end()));
    }
    // A picked playlist gives its entries that a plug-in claims (missing
    // files too); any other path stays as it is.
    std::vector<std::string> paths;
    vuv::ExpandPickedPath(paths, pls);
    vuv::ExpandPickedPath(paths, folder.File("notes.txt"));
    EXPECT_EQ(paths, (std::vector<std::string>{folder.File("one.ttag"), folder.File("two.ttag"),
                                               folder.File("notes.txt")}));
}

TEST_F(TrackSourcesTest, TheFilterOfThePicker)
{
    const char filter[] = "Music Files and Playlists\0*.TTAG;*.dup;*.m3u;*.pls\0Text Tag File\0*.TTAG\0"
                          "Duplicate, first claim\0*.dup\0";  // and the final NUL
    EXPECT_EQ(vuv::MusicFilesFilter(), std::string(filter, sizeof filter));
}
