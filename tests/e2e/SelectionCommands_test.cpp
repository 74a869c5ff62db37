// vuvtool's criteria and selection commands, run as the program itself on
// a private install folder.
#include "platform/FileHandle.h"
#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

std::string GenreBytes(uint16_t id, const char* name)
{
    std::string bytes(102, '\0');
    memcpy(&bytes[0], &id, 2);
    memcpy(&bytes[2], name, strlen(name));
    return bytes;
}

}  // namespace

TEST(SelectionCommands, CriteriaAsTheDialogsOkAndTheIndex)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    const std::string collection = tool.folder.File("c.mcc");
    std::vector<TrackRecord> tracks = {Track("C:\\0.mp3", "A", "", 9), Track("C:\\1.mp3", "B", "", 5),
                                       Track("C:\\2.mp3", "", "", 9)};
    tracks[0].genreIds[0] = 7;
    tracks[0].year = 1995;
    tracks[1].genreIds[0] = 3;
    tracks[1].genreIds[1] = 7;
    tracks[1].year = 2001;
    ASSERT_TRUE(WriteBytes(collection, RecordsBytes(tracks)));
    ASSERT_TRUE(WriteBytes(tool.folder.File("c.mcg"), GenreBytes(7, "Rock") + GenreBytes(3, "Jazz")));
    const std::string with = "--collection \"" + collection + "\" ";
    auto selection = [&] { return tool.Run(with + "selection").out; };

    EXPECT_EQ(selection(), "all\n");

    const uint32_t changes = tool.link.playListChanged.GetU32();
    ToolResult r = tool.Run(with + "criteria --untick-artist B");
    EXPECT_EQ(r.exitCode, 0u);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(tool.link.playListChanged.GetU32(), changes);  // the rebuild told the player
    const std::string criteria = ReadBytes(tool.user + ".dps");
    ASSERT_EQ(criteria.size(), 104u);
    EXPECT_EQ(criteria.substr(0, 6), std::string("\1\0\0\0B\0", 6));
    // An unticked artist also leaves out the track without one.
    EXPECT_EQ(selection(), "0\n");

    EXPECT_EQ(tool.Run(with + "criteria --exclude-genre Jazz").exitCode, 0u);
    EXPECT_EQ(selection(), "0\n");  // and the track without a genre
    EXPECT_EQ(tool.Run(with + "criteria --indeterminate-genre Rock").exitCode, 0u);
    EXPECT_EQ(selection(), "1\n");
    EXPECT_EQ(tool.Run(with + "criteria --min-pref 9 --years 1990 2000").exitCode, 0u);
    EXPECT_EQ(selection(), "0\n");
    EXPECT_EQ(tool.Run(with + "criteria --min-pref 5").exitCode, 0u);
    EXPECT_EQ(selection(), "all\n");  // every track passes: no index file

    r = tool.Run(with + "criteria --min-pref 9 --untick-artist A");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_EQ(r.out, "Selective play settings exclude all tracks.\n");
    EXPECT_EQ(ReadBytes(tool.user + ".dps").size(), 2 * 104u);
    EXPECT_EQ(selection(), "");

    // No options: "No Selective Play".
    r = tool.Run(with + "criteria");
    EXPECT_EQ(r.exitCode, 0u);
    bool missing = true;
    EXPECT_EQ(FileSize(tool.user + ".dps", &missing), 0u);
    EXPECT_FALSE(missing);
    EXPECT_EQ(selection(), "");
    EXPECT_EQ(FileSize(tool.user + ".dpc", &missing), 0u);
    EXPECT_FALSE(missing);

    EXPECT_EQ(tool.Run(with + "criteria --min-pref x").exitCode, 1u);
    EXPECT_EQ(tool.Run(with + "criteria --min-pref 10").exitCode, 1u);
    EXPECT_EQ(tool.Run(with + "criteria --years 1990").exitCode, 1u);
    EXPECT_EQ(tool.Run(with + "selection now").exitCode, 1u);
}
