// vuvtool's criteria and selection commands, run as the program itself on
// a private install folder.
#include "platform/FileHandle.h"
#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

TEST(SelectionCommands, CriteriaAsTheDialogsOkAndTheIndex)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    const std::string collection = tool.folder.File("c.mcc");
    std::vector<TrackRecord> tracks = {Track("C:\\0.mp3", "A", "", 9), Track("C:\\1.mp3", "B", "", 5),
                                       Track("C:\\2.mp3", "", "", 9)};
    tracks[0].genreIds[0] = tracks[1].genreIds[1] = 7;
    tracks[1].genreIds[0] = 3;
    tracks[0].year = 1995;
    tracks[1].year = 2001;
    ASSERT_TRUE(WriteBytes(collection, RecordsBytes(tracks)));
    std::string genres(204, '\0');  // two genre records of 102 bytes: id, name
    genres.replace(0, 6, std::string("\7\0Rock", 6));
    genres.replace(102, 6, std::string("\3\0Jazz", 6));
    ASSERT_TRUE(WriteBytes(tool.folder.File("c.mcg"), genres));
    const std::string with = "--collection \"" + collection + "\" ";
    // Each criteria command, then the selection it leaves.
    auto after = [&](const std::string& options) {
        const ToolResult r = tool.Run(with + "criteria" + options);
        return std::to_string(r.exitCode) + "|" + r.out + "|" + tool.Run(with + "selection").out;
    };
    EXPECT_EQ(tool.Run(with + "selection").out, "all\n");
    // An unticked artist also leaves out the track without one; the
    // rebuild tells the player.
    const uint32_t changes = tool.link.playListChanged.GetU32();
    EXPECT_EQ(after(" --untick-artist B"), "0||0\n");
    EXPECT_NE(tool.link.playListChanged.GetU32(), changes);
    EXPECT_EQ(ReadBytes(tool.user + ".dps").substr(0, 6), std::string("\1\0\0\0B\0", 6));
    EXPECT_EQ(after(" --exclude-genre Jazz"), "0||0\n");  // and the track without a genre
    EXPECT_EQ(after(" --indeterminate-genre Rock"), "0||1\n");
    EXPECT_EQ(after(" --min-pref 9 --years 1990 2000"), "0||0\n");
    EXPECT_EQ(after(" --min-pref 5"), "0||all\n");  // every track passes: no index file
    EXPECT_EQ(after(" --min-pref 9 --untick-artist A"), "2|Selective play settings exclude all tracks.\n|");
    EXPECT_EQ(ReadBytes(tool.user + ".dps").size(), 2 * 104u);
    // No options: "No Selective Play", empty criteria and index files.
    EXPECT_EQ(after(""), "0||");
    bool criteriaMissing = true, indexMissing = true;
    EXPECT_EQ(FileSize(tool.user + ".dps", &criteriaMissing) + FileSize(tool.user + ".dpc", &indexMissing), 0u);
    EXPECT_FALSE(criteriaMissing || indexMissing);
    for (const char* bad : {"criteria --min-pref x", "criteria --min-pref 10", "criteria --years 1990", "selection now"})
        EXPECT_EQ(tool.Run(with + bad).exitCode, 1) << bad;
}
