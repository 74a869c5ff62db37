#include "export/ExportFile.h"

#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace vuv;
using vuvtest::ReadBytes;
using vuvtest::WriteBytes;

TEST(ExportFile, ChosenNamesGetTheirExtension)
{
    EXPECT_EQ(ExportFilePath("C:\\out\\list", false), "C:\\out\\list.txt");
    EXPECT_EQ(ExportFilePath("C:\\out\\list", true), "C:\\out\\list.html");
    EXPECT_EQ(ExportFilePath("C:\\out\\list.", true), "C:\\out\\list.html");
    EXPECT_EQ(ExportFilePath("C:\\out.d\\list.htm", false), "C:\\out.d\\list.htm");
}

// Whatever stops the write, nothing half-written is left under the target
// name or beside it, and an older file stays as it was.
TEST(ExportFile, WrittenWholeOrNotAtAll)
{
    vuvtest::ScratchFolder folder;
    const std::string target = folder.File("list.txt");
    ASSERT_TRUE(WriteExportFile(target, "old"));
    ASSERT_TRUE(WriteExportFile(target, std::string(3 << 20, 'x')));
    EXPECT_EQ(ReadBytes(target).size(), size_t(3 << 20));
    EXPECT_FALSE(Exists(target + ".saving"));

    EXPECT_FALSE(WriteExportFile(folder.File("missing\\list.txt"), "text"));
    EXPECT_FALSE(Exists(folder.File("missing")));

    ASSERT_TRUE(CreateDirectoryA(folder.File("a folder").c_str(), nullptr));
    EXPECT_FALSE(WriteExportFile(folder.File("a folder"), "text"));
    EXPECT_FALSE(Exists(folder.File("a folder.saving")));

    ASSERT_TRUE(WriteBytes(folder.File("kept.txt"), "kept"));
    SetFileAttributesA(folder.File("kept.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteExportFile(folder.File("kept.txt"), "new"));
    SetFileAttributesA(folder.File("kept.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(folder.File("kept.txt")), "kept");
    EXPECT_FALSE(Exists(folder.File("kept.txt.saving")));
}
