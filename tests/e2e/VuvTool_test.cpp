// Runs vuvtool.exe from outside, as scripts do. The tool is copied into a
// scratch folder first, so that its install folder (and with it the per-user
// selection files) is that folder and not the built suite.
#include "core/CollectionFile.h"
#include "core/GenreList.h"
#include "core/TrackRecord.h"
#include "e2e/EditorDriver.h"
#include "player/PlayerLink.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

using namespace vuvtest;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got)
        text.append(buffer, got);
    return text;
}

class VuvToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tool = folder.File("vuvtool.exe");
        ASSERT_TRUE(CopyFileA((SuiteDir() + "vuvtool.exe").c_str(), tool.c_str(), FALSE));
    }

    ToolRun Run(const std::string& arguments)
    {
        ToolRun run;
        SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
        HANDLE outRead, outWrite, errRead, errWrite;
        CreatePipe(&outRead, &outWrite, &sa, 0);
        CreatePipe(&errRead, &errWrite, &sa, 0);
        SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = outWrite;
        si.hStdError = errWrite;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        std::string commandLine = "\"" + tool + "\" " + arguments;
        PROCESS_INFORMATION pi{};
        BOOL started = CreateProcessA(tool.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                      nullptr, folder.Path().c_str(), &si, &pi);
        CloseHandle(outWrite);
        CloseHandle(errWrite);
        if (started) {
            // stderr is small; read stdout first, then stderr.
            run.out = ReadAll(outRead);
            run.err = ReadAll(errRead);
            WaitForSingleObject(pi.hProcess, 60000);
            DWORD code = 0;
            GetExitCodeProcess(pi.hProcess, &code);
            run.exitCode = int(code);
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        }
        CloseHandle(outRead);
        CloseHandle(errRead);
        return run;
    }

    std::string Collection() const { return folder.File("tool.mcc"); }
    std::string WithCollection(const std::string& command) const
    {
        return "--collection \"" + Collection() + "\" " + command;
    }

    void WriteTracks(const std::string& path, const std::vector<vuv::TrackRecord>& tracks)
    {
        ASSERT_TRUE(vuv::WriteTrackFile(path, tracks.data(), tracks.size(), false));
    }

    static vuv::TrackRecord Track(const char* artist, const char* title, const char* album,
                                  const char* path, uint32_t lengthMs)
    {
        vuv::TrackRecord t;
        memset(&t, 0, sizeof t);
        vuv::SetField(t.artist, artist);
        vuv::SetField(t.title, title);
        vuv::SetField(t.album, album);
        vuv::SetField(t.path, path);
        t.lengthMs = lengthMs;
        t.fileSize = 1024 * 1024;
        return t;
    }

    ScratchFolder folder;
    std::string tool;
};

}  // namespace

TEST_F(VuvToolTest, InfoDumpSearchAndTitle)
{
    vuv::TrackRecord b = Track("Beta", "Love Song", "", "C:\\m\\b.mp3", 3600000);
    b.genreIds[0] = 4;
    b.year = -1;
    b.dateAdded = 0xFFFFFFFFFFull;
    WriteTracks(Collection(), {b, Track("alpha", "Beat", "X", "C:\\m\\a.xyz", 61000),
                               Track("Alpha", "Zed", "X", "C:\\m\\c.mp3", 1000)});
    vuv::GenreRecord g{4, "Rock"};
    ASSERT_TRUE(WriteBytes(folder.File("tool.mcg"), std::string(reinterpret_cast<char*>(&g), sizeof g)));

    ToolRun info = Run(WithCollection("info"));
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out,
              "tracks: 3\nartists: 3\nalbums: 2\ngenres: 1\nlength: 1 hours 1 minutes\n"
              "size: 3.00 MB\n");

    ToolRun dump = Run(WithCollection("dump --sort 1 --desc"));
    EXPECT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dump.out.substr(0, dump.out.find('\n')),
              "index\tartist\ttitle\talbum\tgenre\tyear\ttrack\tlength\tkbps\tkhz\tchannels\tsize"
              "\tpreference\tvolume\tplayed\tflags\tadded\ttype\tpath");
    EXPECT_NE(dump.out.find("\n0\tBeta\tLove Song\t\tRock\t-1\t0\t3600000\t0\t0\t0\t1048576\t0\t0"
                            "\t0\t0\t1099511627775\tMP3 File\tC:\\m\\b.mp3\n"),
              std::string::npos)
        << dump.out;
    // Descending artist; equal artists by title ascending.
    EXPECT_NE(dump.out.find("\n1\talpha\tBeat\t"), std::string::npos);
    EXPECT_NE(dump.out.find("\n2\tAlpha\tZed\t"), std::string::npos);
    EXPECT_EQ(Run(WithCollection("dump --sort 99")).exitCode, 1);

    EXPECT_EQ(Run(WithCollection("search \"bet  love\"")).out, "0\n");
    EXPECT_EQ(Run(WithCollection("search beat --from 1")).out, "1\n");
    EXPECT_EQ(Run(WithCollection("search nowhere")).out, "-1\n");
    EXPECT_EQ(Run(WithCollection("title")).out, "Tonbrook - Music Collection 'tool'\n");
    EXPECT_EQ(Run(WithCollection("frobnicate")).exitCode, 1);
    EXPECT_EQ(Run("--collection").exitCode, 1);
}

TEST_F(VuvToolTest, SaveAndCombine)
{
    WriteTracks(Collection(), {Track("B", "1", "", "C:\\m\\1.mp3", 0),
                               Track("A", "2", "", "C:\\m\\2.mp3", 0)});
    const std::string other = folder.File("other.mcc");
    WriteTracks(other, {Track("C", "3", "", "C:\\M\\1.MP3", 0), Track("D", "4", "", "C:\\m\\4.mp3", 0)});

    ToolRun combine = Run(WithCollection("combine \"" + other + "\""));
    EXPECT_EQ(combine.exitCode, 0) << combine.err;
    EXPECT_EQ(combine.out, "added: 1\n");
    EXPECT_EQ(ReadBytes(Collection()).size(), 2 * sizeof(vuv::TrackRecord));  // not saved

    combine = Run(WithCollection("combine \"" + other + "\" --save"));
    EXPECT_EQ(combine.out, "added: 1\n");
    std::vector<vuv::TrackRecord> tracks;
    ASSERT_TRUE(vuv::ReadTrackFile(Collection(), tracks, false));
    ASSERT_EQ(tracks.size(), 3u);
    EXPECT_STREQ(tracks[2].artist, "D");

    EXPECT_EQ(Run(WithCollection("save --sort")).exitCode, 0);
    tracks.clear();
    ASSERT_TRUE(vuv::ReadTrackFile(Collection(), tracks, false));
    EXPECT_STREQ(tracks[0].artist, "A");
    EXPECT_STREQ(tracks[2].artist, "D");
    // The tool's folder is its install folder: the selection index is there.
    EXPECT_NE(GetFileAttributesA((folder.Path() + "*.dpc").c_str()), 0u);

    ToolRun missing = Run(WithCollection("combine \"" + folder.File("absent.mcc") + "\""));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_FALSE(missing.err.empty());

    // A save that cannot write: the message on stderr, status 2.
    CreateDirectoryA((Collection() + ".saving").c_str(), nullptr);
    ToolRun failed = Run(WithCollection("save"));
    EXPECT_EQ(failed.exitCode, 2);
    EXPECT_NE(failed.err.find("Error saving '"), std::string::npos) << failed.err;
    RemoveDirectoryA((Collection() + ".saving").c_str());
}

namespace {

// The naming commands, on tracks by Corvina (genre Pop) in in\ whose files
// hold their titles "Song <i>"; the tool's player link is the test's own.
class VuvToolNamingTest : public VuvToolTest {
protected:
    void SetUp() override
    {
        VuvToolTest::SetUp();
        SetEnvironmentVariableA("VUV_LINK_PREFIX", prefix.c_str());
        DeleteProgramValue("ArrangeRoot");
        DeleteProgramValue("Arrangement");
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("VUV_LINK_PREFIX", nullptr);
        DeleteProgramValue("ArrangeRoot");
        DeleteProgramValue("Arrangement");
    }
    void MakeSongs(int count)
    {
        CreateDirectoryA(folder.File("in").c_str(), nullptr);
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(WriteBytes(In(i), "Song " + std::to_string(i)));
            lines.push_back(In(i) + "\tCorvina\tSong " + std::to_string(i) + "\tErotica\t1992\t" +
                            std::to_string(i % 20) + "\tPop\t61000\t192\t44100\t2\t5\t0\t0\t500\t1");
        }
        ASSERT_TRUE(WriteCollection(folder.File("m.tsv"), Collection(), lines));
    }
    std::string In(int i) const { return folder.File("in\\") + std::to_string(i) + ".mp3"; }
    std::vector<std::string> DumpedPaths()
    {
        std::vector<std::string> paths;
        std::istringstream lines(Run(WithCollection("dump")).out);
        std::string line;
        for (std::getline(lines, line); std::getline(lines, line);)
            paths.push_back(line.substr(line.rfind('\t') + 1));
        return paths;
    }
    // Whether each song's file is in exactly one place, old or new.
    bool EachFileOnce(int count)
    {
        for (int i = 0; i < count; ++i)
            if (Exists(In(i)) == Exists(folder.File("out\\Song ") + std::to_string(i) + ".mp3"))
                return false;
        return true;
    }
    static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    const std::string prefix = PrivateObjectName("naming-");
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
    vuv::PlayerLink link(prefix);
    vuv::TrackRecord playing{};
    vuv::SetField(playing.path, In(kPlaying).c_str());
    link.trackPlaying.Set(&playing);
    std::string commandLine =
        "\"" + tool + "\" " + WithCollection("arrange --root \"" + folder.File("out") + "\" --pattern %t");
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                               nullptr, &si, &pi));
    for (int waited = 0; !link.skip.IsSet() && waited < 30000; waited += 10)
        Sleep(10);
    EXPECT_TRUE(link.skip.IsSet());
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
        EXPECT_EQ(paths[size_t(i)], i < kPlaying ? folder.File("out\\Song ") + std::to_string(i) + ".mp3" : In(i));
        EXPECT_EQ(ReadBytes(paths[size_t(i)]), "Song " + std::to_string(i));
    }

    // The next run moves the rest and ends the journal.
    const vuv::TrackRecord nothing{};
    link.trackPlaying.Set(&nothing);
    EXPECT_EQ(Run(WithCollection("arrange")).out, "moved 15 of 40\n");
    EXPECT_TRUE(EachFileOnce(kTracks));
    EXPECT_EQ(DumpedPaths().back(), folder.File("out\\Song 39.mp3"));
    EXPECT_EQ(GetFileAttributesA((Collection() + ".moves").c_str()), INVALID_FILE_ATTRIBUTES);
}
