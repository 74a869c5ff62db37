// The open dialog's result with several files allowed: one full path, or a
// folder and the names picked in it.
#include "ui/FileDialog.h"

#include <gtest/gtest.h>

TEST(FileDialog, PickedPathsAndTheirFolder)
{
    std::string folder;
    const char several[] = "C:\\Music\0b.mp3\0a.m3u\0";
    EXPECT_EQ(vuv::PickedPaths(several, sizeof several, folder),
              (std::vector<std::string>{"C:\\Music\\b.mp3", "C:\\Music\\a.m3u"}));
    EXPECT_EQ(folder, "C:\\Music\\");
    const char one[] = "C:\\Lists\\a.m3u\0";
    EXPECT_EQ(vuv::PickedPaths(one, sizeof one, folder), std::vector<std::string>{"C:\\Lists\\a.m3u"});
    EXPECT_EQ(folder, "C:\\Lists\\");
}
