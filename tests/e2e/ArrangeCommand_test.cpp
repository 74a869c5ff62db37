// vuvtool's naming commands from outside, as scripts run them: the pattern
// forms, the path of a track, and "arrange" run to its end, and killed in
// the middle of its pass.
#include "e2e/EditorDriver.h"
#include "player/PlayerLink.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <vector>

using namespace vuvtest;

namespace {

class ArrangeCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        tool_ = folder_.File("vuvtool.exe");
        ASSERT_TRUE(CopyFileA((SuiteDir() + "vuvtool.exe").c_str(), tool_.c_str(), FALSE));
        // The tool's player link is this test's own.
        prefix_ = PrivateObjectName("arrange-");
        SetEnvironmentVariableA("VUV_LINK_PREFIX", prefix_.c_str());
        link_ = std::make_unique<vuv::PlayerLink>(prefix_);
        ClearSettings();
    }
    void TearDown() override
    {
        ClearSettings();
        SetEnvironmentVariableA("VUV_LINK_PREFIX", nullptr);
    }
    void ClearSettings()
    {
        DeleteProgramValue("ArrangeRoot");
        DeleteProgramValue("Arrangement");
    }
    // `count` tracks by Corvina in in\, each file holding its title.
    void MakeCollection(int count)
    {
        CreateDirectoryA(folder_.File("in").c_str(), nullptr);
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            const std::string title = "Song " + std::to_string(i);
            ASSERT_TRUE(WriteBytes(In(i), title));
            lines.push_back(In(i) + "\tCorvina\t" + title + "\tErotica\t1992\t" + std::to_string(i % 20) +
                            "\tPop\t61000\t192\t44100\t2\t5\t0\t0\t500\t1");
        }
        ASSERT_TRUE(WriteCollection(folder_.File("m.tsv"), Collection(), lines));
    }
    std::string In(int i) const { return folder_.File("in\\") + std::to_string(i) + ".mp3"; }
    std::string Collection() const { return folder_.File("Tool.mcc"); }
    std::string Command(const std::string& arguments) const
    {
        return "\"" + tool_ + "\" --collection \"" + Collection() + "\" " + arguments;
    }
    int Run(const std::string& arguments, std::string* out)
    {
        return RunCaptured(Command(arguments), out);
    }
    // The path column of `dump`.
    std::vector<std::string> DumpedPaths()
    {
        std::string out;
        EXPECT_EQ(Run("dump", &out), 0);
        std::vector<std::string> paths;
        std::istringstream lines(out);
        std::string line;
        std::getline(lines, line);  // the header
        while (std::getline(lines, line))
            paths.push_back(line.substr(line.rfind('\t') + 1));
        return paths;
    }
    // Every file below in\ and out\, by its contents.
    std::map<std::string, int> Files()
    {
        std::map<std::string, int> files;
        for (const char* sub : {"in\\", "out\\"}) {
            WIN32_FIND_DATAA found;
            HANDLE search = FindFirstFileA(folder_.File(std::string(sub) + "*.mp3").c_str(), &found);
            if (search == INVALID_HANDLE_VALUE)
                continue;
            do
                ++files[ReadBytes(folder_.File(std::string(sub) + found.cFileName))];
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        return files;
    }

    ScratchFolder folder_;
    std::string tool_;
    std::string prefix_;
    std::unique_ptr<vuv::PlayerLink> link_;
};

}  // namespace

TEST_F(ArrangeCommandTest, PatternBuildPathAndArrange)
{
    std::string out;
    EXPECT_EQ(Run("pattern stored \"[Artist]\\[track number XX] [track]^\"", &out), 0);
    EXPECT_EQ(out, "%A\\%RR %T^\n");
    EXPECT_EQ(Run("pattern display \"%a^\\%rr %h\"", &out), 0);
    EXPECT_EQ(out, "[artist]^\\[track number xx] [length]\n");
    EXPECT_EQ(Run("pattern sideways x", &out), 1);

    MakeCollection(4);
    EXPECT_EQ(Run("buildpath \"%g\\%a - %t (%rr)\" 3", &out), 0);
    EXPECT_EQ(out, "Pop\\Corvina - Song 3 (03)\n");
    EXPECT_EQ(Run("buildpath %t 4", &out), 2);
    EXPECT_EQ(Run("buildpath %t first", &out), 1);

    const std::string root = folder_.File("out");
    EXPECT_EQ(Run("arrange --root \"" + root + "\" --pattern %t", &out), 0);
    EXPECT_EQ(out, "moved 4 of 4\n");
    EXPECT_EQ(DumpedPaths(), (std::vector<std::string>{root + "\\Song 0.mp3", root + "\\Song 1.mp3",
                                                        root + "\\Song 2.mp3", root + "\\Song 3.mp3"}));
    // The values given are stored, as "Begin >>" stores them.
    EXPECT_EQ(Run("arrange", &out), 0);
    EXPECT_EQ(out, "moved 0 of 4\n");
    EXPECT_EQ(Run("arrange --root", &out), 1);
}

TEST_F(ArrangeCommandTest, KilledInThePassNothingIsLost)
{
    constexpr int kTracks = 40, kPlaying = 25;
    MakeCollection(kTracks);
    const std::map<std::string, int> before = Files();
    ASSERT_EQ(before.size(), size_t(kTracks));
    // The player plays track 25: the pass asks it to skip and waits 2 s
    // before that file moves; the tool is killed in that wait.
    vuv::TrackRecord playing{};
    vuv::SetField(playing.path, In(kPlaying).c_str());
    link_->trackPlaying.Set(&playing);
    link_->skip.Reset();

    std::string commandLine = Command("arrange --root \"" + folder_.File("out") + "\" --pattern %t");
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                               nullptr, &si, &pi));
    for (int waited = 0; !link_->skip.IsSet() && waited < 30000; waited += 10)
        Sleep(10);
    EXPECT_TRUE(link_->skip.IsSet());
    TerminateProcess(pi.hProcess, 9);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    // Every file exactly once, the first ones moved; the collection file
    // itself still names the old places, but loading it finds every file.
    EXPECT_EQ(Files(), before);
    std::vector<std::string> paths = DumpedPaths();
    ASSERT_EQ(paths.size(), size_t(kTracks));
    for (int i = 0; i < kTracks; ++i) {
        EXPECT_EQ(paths[size_t(i)], i < kPlaying ? folder_.File("out\\Song ") + std::to_string(i) + ".mp3" : In(i));
        EXPECT_EQ(ReadBytes(paths[size_t(i)]), "Song " + std::to_string(i));
    }

    // The next run moves the rest and ends the journal.
    const vuv::TrackRecord nothing{};
    link_->trackPlaying.Set(&nothing);
    std::string out;
    EXPECT_EQ(Run("arrange", &out), 0);
    EXPECT_EQ(out, "moved " + std::to_string(kTracks - kPlaying) + " of " + std::to_string(kTracks) + "\n");
    EXPECT_EQ(Files(), before);
    for (const std::string& path : DumpedPaths())
        EXPECT_EQ(path.rfind(folder_.File("out\\"), 0), 0u) << path;
    EXPECT_EQ(GetFileAttributesA((Collection() + ".moves").c_str()), INVALID_FILE_ATTRIBUTES);
}
