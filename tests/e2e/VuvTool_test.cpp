// Runs vuvtool.exe from outside, as scripts do, from a private copy (see
// ToolRunner) so that its install folder and with it the per-user
// selection files lie in a scratch folder and not in the built suite.
#include "core/CollectionFile.h"
#include "core/CollectionStore.h"
#include "core/GenreList.h"
#include "core/TrackRecord.h"
#include "e2e/EditorDriver.h"
#include "player/PlayerTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <atomic>
#include <set>
#include <sstream>
#include <thread>

using namespace vuvtest;

namespace {

vuv::TrackRecord Track(const char* artist, const char* title, const char* album, const char* path, uint32_t lengthMs)
{
    vuv::TrackRecord t = MakeTrack(artist, title, album, path);
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
    vuv::TrackRecord b = Track("Beta", "Love Song", "Tab\tback\\slash\r\nline", "C:\\m\\b.mp3", 3600000);
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
    // Descending artist; equal artists by title ascending. One line per
    // track: tabs, line breaks and backslashes of texts escaped.
    r = tool.Run(with + "dump --sort 1 --desc");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find("\n1\t")),
              "index\tartist\ttitle\talbum\tgenre\tyear\ttrack\tlength\tkbps\tkhz\tchannels\tsize\tpreference\tvolume"
              "\tplayed\tflags\tadded\ttype\tpath\n0\tBeta\tLove Song\tTab\\tback\\\\slash\\r\\nline\tRock\t-1\t0"
              "\t3600000\t0\t0\t0\t1048576\t0\t0\t0\t0\t1099511627775\tMP3 File\tC:\\\\m\\\\b.mp3");
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
    ASSERT_TRUE(SetReadOnly(collection, true));
    r = tool.Run(with + "save");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Error saving '"), std::string::npos) << r.err;
    SetReadOnly(collection, false);
}

// A collection of `count` tracks whose artists fall, so that a sorted save
// changes every byte.
std::string WriteBigCollection(const ToolRunner& tool, int count)
{
    std::vector<vuv::TrackRecord> tracks;
    for (int i = 0; i < count; ++i)
        tracks.push_back(Track(std::to_string(count * 2 - i).c_str(), "t", "", ("C:\\m\\" + std::to_string(i) + ".mp3").c_str(), 0));
    EXPECT_TRUE(vuv::WriteTrackFile(tool.folder.File("big.mcc"), tracks.data(), tracks.size(), false));
    return tool.folder.File("big.mcc");
}

// This program saves a collection (naming it in capitals) again and again
// while vuvtool saves it sorted, many times over: every save goes through,
// and the file is always one whole version.
TEST(VuvTool, SavesOfOneCollectionNeverInterleave)
{
    ToolRunner tool;
    const std::string collection = WriteBigCollection(tool, 20000);
    std::string upper = collection;
    CharUpperA(&upper[0]);
    vuv::CollectionStore& store = vuv::TheCollectionStore();
    store.LoadCollection(upper);
    for (int round = 0; round < 6; ++round) {
        std::atomic<bool> done{false};
        ToolResult sorted;
        std::thread other([&] {
            sorted = tool.Run("--collection \"" + collection + "\" save --sort");
            done = true;
        });
        while (!done)
            EXPECT_TRUE(store.SaveCollection(upper)) << round;
        other.join();
        EXPECT_EQ(sorted.exitCode, 0) << sorted.err;
        std::vector<vuv::TrackRecord> back;
        ASSERT_TRUE(vuv::ReadTrackFile(collection, back, false));
        std::set<std::string> paths;
        for (const vuv::TrackRecord& t : back)
            paths.insert(t.path);
        ASSERT_TRUE(back.size() == 20000 && paths.size() == 20000) << round << ": " << back.size();
    }
    store.ClearCollection();
}

// A save killed half-way, or just before its file would replace the
// collection: the collection stays whole, and the next save goes through.
TEST(VuvTool, KilledSavesLeaveTheCollectionWhole)
{
    ToolRunner tool;
    const std::string collection = WriteBigCollection(tool, 3000), with = "--collection \"" + collection + "\" ";
    const std::string before = ReadBytes(collection);
    for (const char* fault : {"kill-after:1500", "kill-after:3000"}) {
        SetEnvironmentVariableA("VUV_TEST_SAVE_FAULT", fault);
        EXPECT_NE(tool.Run(with + "save --sort").exitCode, 0) << fault;
        SetEnvironmentVariableA("VUV_TEST_SAVE_FAULT", nullptr);
        EXPECT_TRUE(ReadBytes(collection) == before) << fault;
    }
    EXPECT_EQ(tool.Run(with + "save --sort").exitCode, 0);
}

namespace {

// The naming commands, on tracks by Corvina (genre Pop) in in\ whose files
// hold their titles "Song <i>"; the tool's player link is the test's own.
class VuvToolNamingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tool.copied);
        DeleteProgramValue("ArrangeRoot");
        DeleteProgramValue("Arrangement");
    }
    void TearDown() override
    {
        DeleteProgramValue("ArrangeRoot");
        DeleteProgramValue("Arrangement");
    }
    std::string Collection() const { return tool.folder.File("tool.mcc"); }
    ToolResult Run(const std::string& arguments) { return tool.Run(arguments); }
    std::string WithCollection(const std::string& command) const
    {
        return "--collection \"" + Collection() + "\" " + command;
    }
    void MakeSongs(int count)
    {
        CreateDirectoryA(tool.folder.File("in").c_str(), nullptr);
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(WriteBytes(In(i), "Song " + std::to_string(i)));
            lines.push_back(In(i) + "\tCorvina\tSong " + std::to_string(i) + "\tErotica\t1992\t" +
                            std::to_string(i % 20) + "\tPop\t61000\t192\t44100\t2\t5\t0\t0\t500\t1");
        }
        ASSERT_TRUE(WriteCollection(tool.folder.File("m.tsv"), Collection(), lines));
    }
    std::string In(int i) const { return tool.folder.File("in\\") + std::to_string(i) + ".mp3"; }
    std::string Out(int i) const { return tool.folder.File("out\\Song ") + std::to_string(i) + ".mp3"; }
    std::vector<std::string> DumpedPaths()
    {
        std::vector<std::string> paths;
        std::istringstream lines(Run(WithCollection("dump")).out);
        std::string line;
        for (std::getline(lines, line); std::getline(lines, line);) {
            std::string path;  // dump doubles each backslash
            for (size_t i = line.rfind('\t') + 1; i < line.size(); ++i)
                path += line[i] == '\\' ? line[++i] : line[i];
            paths.push_back(path);
        }
        return paths;
    }
    // Whether each song's file is in exactly one place, old or new.
    bool EachFileOnce(int count)
    {
        for (int i = 0; i < count; ++i)
            if (Exists(In(i)) == Exists(Out(i)))
                return false;
        return true;
    }
    static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    ToolRunner tool;
};

}  // namespace

TEST_F(VuvToolNamingTest, PatternAndBuildPath)
{
    EXPECT_EQ(Run("pattern stored \"[Artist]\\[track number XX] [track]^\"").out, "%A\\%RR %T^\n");
    EXPECT_EQ(Run("pattern display \"%a^\\%rr %h\"").out, "[artist]^\\[track number xx] [length]\n");
    EXPECT_EQ(Run("pattern sideways x").exitCode, 1);

    MakeSongs(4);
    EXPECT_EQ(Run(WithCollection("buildpath \"%g\\%a - %t (%rr)\" 3")).out, "Pop\\Corvina - Song 3 (03)\n");
    EXPECT_EQ(Run(WithCollection("buildpath %t 4")).exitCode, 2);
    EXPECT_EQ(Run(WithCollection("buildpath %t first")).exitCode, 1);
}

TEST_F(VuvToolNamingTest, ArrangeKilledInItsPassLosesNothing)
{
    constexpr int kTracks = 40, kPlaying = 25;
    MakeSongs(kTracks);
    // The player plays track 25: the pass asks it to skip and waits 2 s
    // before that file moves; the tool is killed in that wait.
    vuv::TrackRecord playing{};
    vuv::SetField(playing.path, In(kPlaying).c_str());
    tool.link.trackPlaying.Set(&playing);
    std::string commandLine = "\"" + tool.folder.File("vuvtool.exe") + "\" " +
                              WithCollection("arrange --root \"" + tool.folder.File("out") + "\" --pattern %t");
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    SetEnvironmentVariableA("VUV_LINK_PREFIX", tool.link.Prefix().c_str());
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                               nullptr, &si, &pi));
    SetEnvironmentVariableA("VUV_LINK_PREFIX", nullptr);
    for (int waited = 0; !tool.link.skip.IsSet() && waited < 30000; waited += 10)
        Sleep(10);
    EXPECT_TRUE(tool.link.skip.IsSet());
    TerminateProcess(pi.hProcess, 9);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    // Every file exactly once, the first ones moved; the collection file
    // still names the old places, but loading it finds every file.
    EXPECT_TRUE(EachFileOnce(kTracks));
    std::vector<std::string> paths = DumpedPaths();
    ASSERT_EQ(paths.size(), size_t(kTracks));
    for (int i = 0; i < kTracks; ++i) {
        EXPECT_EQ(paths[size_t(i)], i < kPlaying ? Out(i) : In(i));
        EXPECT_EQ(ReadBytes(paths[size_t(i)]), "Song " + std::to_string(i));
    }

    // The next run moves the rest and ends the journal.
    const vuv::TrackRecord nothing{};
    tool.link.trackPlaying.Set(&nothing);
    EXPECT_EQ(Run(WithCollection("arrange")).out, "moved 15 of 40\n");
    EXPECT_TRUE(EachFileOnce(kTracks));
    EXPECT_EQ(DumpedPaths().back(), Out(39));
    EXPECT_FALSE(Exists(Collection() + ".moves"));
}

TEST(VuvTool, AddAddItemAndHandOffPrintWhatTheyAdded)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    const std::string input = tool.folder.File("Multiplayer\\Input\\"), music = tool.folder.File("Music\\");
    for (const std::string& folder : {tool.folder.File("Multiplayer"), input, music, music + "Sub"})
        CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((SuiteDir() + "Multiplayer\\Input\\TagLibInput.dll").c_str(),
                          (input + "TagLibInput.dll").c_str(), FALSE));
    for (const char* name : {"A - One.mp3", "Sub\\B - Two.ogg", "notes.txt"})
        ASSERT_TRUE(WriteBytes(music + name, "not really music"));
    ASSERT_TRUE(WriteBytes(music + "list.m3u", "Sub\\B - Two.ogg\r\nC - Gone.mp3\r\nnotes.txt\r\n"));
    const std::string with = "--collection \"" + tool.folder.File("tool.mcc") + "\" ";
    // The folder gives its two music files, the playlist B again and the
    // missing C: three new tracks of four paths.
    // (No "\" before a closing quote: the command line would take it as a quote.)
    ToolResult r = tool.Run(with + "add --recurse \"" + tool.folder.File("Music") + "\" \"" + music + "list.m3u\"");
    EXPECT_EQ(r.out, "added 3 of 4\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(tool.Run(with + "add-item \"" + music + "list.m3u\"").out, "added 1 of 1\n");
    EXPECT_EQ(tool.Run(with + "add").exitCode, 1);

    // A sibling program's hand-off: a known file, a new one, a garbage
    // record and a cut one; the file is emptied.
    std::string records;
    for (const std::string& path : {music + "A - One.mp3", music + "D - New.mp3"})
        records += path + std::string(260 - path.size(), '\0');
    ASSERT_TRUE(WriteBytes(tool.user + ".AddToEditor", records + std::string(260, '\x01') + "C:\\cut"));
    tool.link.fileToAdd.Set();
    r = tool.Run(with + "handoff");
    EXPECT_EQ(r.out, "added 1 of 3\n");
    EXPECT_NE(r.err.find("at most 259 characters"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(tool.user + ".AddToEditor"), "");
    EXPECT_FALSE(tool.link.fileToAdd.IsSet());
    EXPECT_EQ(ReadBytes(tool.folder.File("tool.mcc")).size(), 5 * sizeof(vuv::TrackRecord));
}

// remove, missing, locate and select on a collection whose files lie in a
// scratch tree: the lines printed, the exit codes and the saved collection.
TEST(VuvTool, RemoveMissingLocateAndSelect)
{
    ToolRunner tool;
    ASSERT_TRUE(tool.copied);
    const std::string collection = tool.folder.File("list.mcc"), with = "--collection \"" + collection + "\" ";
    const std::string music = tool.folder.File("Music\\");
    CreateDirectoryA(music.c_str(), nullptr);
    CreateDirectoryA((music + "Sub").c_str(), nullptr);
    for (const char* file : {"here.mp3", "Moved.mp3", "Sub\\moved.MP3"})
        ASSERT_TRUE(WriteBytes(music + file, "x"));
    // 0 present, 1 and 3 moved (the subfolder's file wins), 2 gone for good.
    const std::vector<vuv::TrackRecord> tracks = {
        Track("A", "", "", (music + "here.mp3").c_str(), 240000), Track("B", "", "", "C:\\Old\\moved.mp3", 240000),
        Track("C", "", "", "C:\\Old\\gone.mp3", 240000), Track("D", "", "", "D:\\Else\\MOVED.mp3", 240000)};
    ASSERT_TRUE(vuv::WriteTrackFile(collection, tracks.data(), tracks.size(), false));

    EXPECT_EQ(tool.Run(with + "missing").out, "1\n2\n3\nmissing 3 of 4\n");
    std::vector<vuv::TrackRecord> saved;
    ASSERT_TRUE(vuv::ReadTrackFile(collection, saved, false));
    EXPECT_EQ(saved[2].flags, uint32_t(vuv::kFlagMissing));
    EXPECT_EQ(tool.Run(with + "locate \"" + tool.folder.File("nowhere") + "\"").exitCode, 2);
    EXPECT_EQ(tool.Run(with + "locate \"" + tool.folder.File("Music") + "\"").out, "located 2 of 3\n");
    saved.clear();
    ASSERT_TRUE(vuv::ReadTrackFile(collection, saved, false));
    EXPECT_EQ(std::string(saved[1].path) + " " + saved[3].path, music + "Sub\\moved.mp3 " + music + "Sub\\MOVED.mp3");
    // 4-minute tracks: 10 minutes hold two; more tracks than there are: all.
    const std::string two = tool.Run(with + "select --minutes 10").out;
    EXPECT_EQ(two.substr(two.size() - 11), "selected 2\n") << two;
    EXPECT_EQ(tool.Run(with + "select --count 50").out, "0\n1\n2\n3\nselected 4\n");
    EXPECT_EQ(tool.Run(with + "select --minutes 100000").out, "0\n1\n2\n3\nselected 4\n");
    for (const char* bad : {"select --count", "select --count -1", "select --hours 3", "remove 4", "remove x", "locate"})
        EXPECT_EQ(tool.Run(with + bad).exitCode, 1) << bad;
    EXPECT_EQ(tool.Run(with + "remove").out, "removed 0\n");
    EXPECT_EQ(tool.Run(with + "remove 3 0 3").out, "removed 2\n");
    EXPECT_EQ(Artists(collection), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(tool.Run(with + "remove 0 1").out, "removed 2\n");
    EXPECT_EQ(tool.Run(with + "select --count 5").out, "selected 0\n");
}
