// Runs vuvtool.exe from outside, as scripts do, from a private copy (see
// ToolRunner) so that its install folder and with it the per-user
// selection files lie in a scratch folder and not in the built suite.
#include "core/CollectionFile.h"
#include "core/GenreList.h"
#include "core/TrackRecord.h"
#include "player/PlayerTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

using namespace vuvtest;

namespace {

vuv::TrackRecord Track(const char* artist, const char* title, const char* album, const char* path, uint32_t lengthMs)
{
    vuv::TrackRecord t = vuvtest::Track(path, artist, title);
    vuv::SetField(t.album, album);
    t.lengthMs = lengthMs;
    t.fileSize = 1024 * 1024;
    return t;
}

std::vector<std::string> Artists(const std::string& collection)
{
    std::vector<vuv::TrackRecord> tracks;
    EXPECT_TRUE(vuv::ReadTrackFile(collection, tracks, false));
    std::vector<std::string> artists;
    for (const vuv::TrackRecord& t : tracks)
        artists.push_back(t.artist);
    return artists;
}

}  // namespace

TEST(VuvTool, InfoDumpSearchAndTitle)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    const std::string collection = tool.folder.File("tool.mcc"), with = "--collection \"" + collection + "\" ";
    vuv::TrackRecord b = Track("Beta", "Love Song", "", "C:\\m\\b.mp3", 3600000);
    b.genreIds[0] = 4;
    b.year = -1;
    b.dateAdded = 0xFFFFFFFFFFull;
    const std::vector<vuv::TrackRecord> tracks = {b, Track("alpha", "Beat", "X", "C:\\m\\a.xyz", 61000),
                                                  Track("Alpha", "Zed", "X", "C:\\m\\c.mp3", 1000)};
    ASSERT_TRUE(vuv::WriteTrackFile(collection, tracks.data(), tracks.size(), false));
    vuv::GenreRecord g{4, "Rock"};
    ASSERT_TRUE(WriteBytes(tool.folder.File("tool.mcg"), std::string(reinterpret_cast<char*>(&g), sizeof g)));

    ToolResult r = tool.Run(with + "info");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "tracks: 3\nartists: 3\nalbums: 2\ngenres: 1\nlength: 1 hours 1 minutes\nsize: 3.00 MB\n");
    // Descending artist; equal artists by title ascending.
    r = tool.Run(with + "dump --sort 1 --desc");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find("\n1\t")),
              "index\tartist\ttitle\talbum\tgenre\tyear\ttrack\tlength\tkbps\tkhz\tchannels\tsize\tpreference\tvolume"
              "\tplayed\tflags\tadded\ttype\tpath\n0\tBeta\tLove Song\t\tRock\t-1\t0\t3600000\t0\t0\t0\t1048576\t0\t0"
              "\t0\t0\t1099511627775\tMP3 File\tC:\\m\\b.mp3");
    EXPECT_NE(r.out.find("\n1\talpha\tBeat\t"), std::string::npos);
    EXPECT_NE(r.out.find("\n2\tAlpha\tZed\t"), std::string::npos);
    for (auto [command, out] : {std::pair<const char*, const char*>{"search \"bet  love\"", "0\n"},
                                {"search beat --from 1", "1\n"},
                                {"search nowhere", "-1\n"},
                                {"title", "Tonbrook - Music Collection 'tool'\n"}})
        EXPECT_EQ(tool.Run(with + command).out, out) << command;
    for (const std::string& bad : {with + "dump --sort 99", with + "frobnicate", std::string("--collection")})
        EXPECT_EQ(tool.Run(bad).exitCode, 1) << bad;
}

TEST(VuvTool, SaveAndCombine)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    const std::string collection = tool.folder.File("tool.mcc"), other = tool.folder.File("other.mcc");
    const std::string with = "--collection \"" + collection + "\" ";
    const std::vector<vuv::TrackRecord> mine = {Track("B", "1", "", "C:\\m\\1.mp3", 0),
                                                Track("A", "2", "", "C:\\m\\2.mp3", 0)};
    const std::vector<vuv::TrackRecord> theirs = {Track("C", "3", "", "C:\\M\\1.MP3", 0),
                                                  Track("D", "4", "", "C:\\m\\4.mp3", 0)};
    ASSERT_TRUE(vuv::WriteTrackFile(collection, mine.data(), 2, false));
    ASSERT_TRUE(vuv::WriteTrackFile(other, theirs.data(), 2, false));

    ToolResult r = tool.Run(with + "combine \"" + other + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "added: 1\n");
    EXPECT_EQ(Artists(collection), (std::vector<std::string>{"B", "A"}));  // not saved
    EXPECT_EQ(tool.Run(with + "combine \"" + other + "\" --save").out, "added: 1\n");
    EXPECT_EQ(Artists(collection), (std::vector<std::string>{"B", "A", "D"}));
    EXPECT_EQ(tool.Run(with + "save --sort").exitCode, 0);
    EXPECT_EQ(Artists(collection), (std::vector<std::string>{"A", "B", "D"}));
    // The tool's folder is its install folder: the (empty) selection index
    // is there.
    bool missing = true;
    EXPECT_EQ(vuv::FileSize(tool.user + ".dpc", &missing), 0u);
    EXPECT_FALSE(missing);

    r = tool.Run(with + "combine \"" + tool.folder.File("absent.mcc") + "\"");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(r.err.empty());
    // A save that cannot write: the message on stderr, status 2.
    CreateDirectoryA((collection + ".saving").c_str(), nullptr);
    r = tool.Run(with + "save");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Error saving '"), std::string::npos) << r.err;
    RemoveDirectoryA((collection + ".saving").c_str());
}
