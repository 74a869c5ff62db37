#include "platform/Process.h"

#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(Process, TempFilesAreCreatedEmptyAndDeleted)
{
    const std::string a = MakeTempFile("vuv");
    const std::string b = MakeTempFile("vuv");
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_NE(a, b);
    EXPECT_EQ(FileNameOf(a).rfind("vuv", 0), 0u) << a;
    EXPECT_TRUE(Exists(a));
    EXPECT_EQ(vuvtest::ReadBytes(a), "");
    DeleteTempFile(a);
    DeleteTempFile(b);
    DeleteTempFile("");
    EXPECT_FALSE(Exists(a));
    EXPECT_FALSE(Exists(b));
}

TEST(Process, RunProgramWaitsForTheEnd)
{
    vuvtest::ScratchFolder dir;
    const std::string out = dir.File("out.txt");
    ASSERT_TRUE(RunProgram("cmd.exe /c echo ran> \"" + out + "\"", true));
    EXPECT_EQ(vuvtest::ReadBytes(out).substr(0, 3), "ran");
    EXPECT_FALSE(RunProgram("\"" + dir.File("no-such-program.exe") + "\"", true));
}

TEST(Process, OwnExecutableIsTheTestProgram)
{
    EXPECT_EQ(ExtensionOf(OwnExecutablePath()), ".exe");
    EXPECT_TRUE(Exists(OwnExecutablePath()));
}
