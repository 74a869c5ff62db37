#include "ui/SiblingPrograms.h"

#include "platform/Locations.h"
#include "support/MessageRecorder.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace vuv;

// A program of the suite that is not installed is named with the folder it
// was looked for in; one that is there is started from there.
TEST(SiblingPrograms, StartedFromTheInstallFolderOrNamedMissing)
{
    vuvtest::ScratchFolder folder;
    SetInstallFolderForRun(folder.Path());
    vuvtest::MessageRecorder recorder;
    EXPECT_EQ(SiblingProgramPath(SiblingProgram::Playlist), folder.File("Lystra.exe"));
    EXPECT_FALSE(SiblingInstalled(SiblingProgram::Menu));
    EXPECT_FALSE(StartSiblingProgram(SiblingProgram::Menu));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "The menu program (Hubbin.exe) is not installed in '" + folder.Path() + "'.");
    EXPECT_EQ(recorder.messages[0].title, "Tonbrook");

    // The stand-in viewer is the tests' window tool, which leaves a line of
    // usage on stderr and ends.
    ASSERT_TRUE(CopyFileA((vuvtest::WindowsPathFromEnv("VUV_TEST_DIR") + "\\winctl.exe").c_str(),
                          folder.File("Pastrel.exe").c_str(), FALSE));
    EXPECT_TRUE(SiblingInstalled(SiblingProgram::PreviouslyPlayed));
    EXPECT_TRUE(StartSiblingProgram(SiblingProgram::PreviouslyPlayed));
    EXPECT_EQ(recorder.messages.size(), 1u);
    // A folder of the program's name is not the program.
    ASSERT_TRUE(CreateDirectoryA(folder.File("Lystra.exe").c_str(), nullptr));
    EXPECT_FALSE(SiblingInstalled(SiblingProgram::Playlist));
    Sleep(500);  // the started copy ends before the folder goes
    SetInstallFolderForRun("");
}
