#include "core/FileTypeNames.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(FileTypeNames, LookupGivesTheSameIdsAsThePlainComputation)
{
    const char* paths[] = {"C:\\m\\a.mp3",     "C:\\m\\b.MP3",  "C:\\dir.x\\noext",
                           "C:\\m\\dot.",      ".ogg",          "",
                           "noext",            "C:\\m\\c.mp3",  "C:\\a.verylongextension123",
                           "C:\\b.verylongextension123", "\\\\srv\\s\\x.q", "C:\\m\\a.mp3"};
    FileTypeLookup lookup;
    for (int round = 0; round < 2; ++round)
        for (const char* path : paths)
            EXPECT_EQ(lookup.IdForPath(path), FileTypeIdForPath(path)) << path;
    EXPECT_EQ(FileTypeText(FileTypeIdForPath("C:\\dir.x\\noext")), "File");
    EXPECT_EQ(FileTypeText(FileTypeIdForPath("C:\\m\\a.q")), "Q File");
    EXPECT_NE(FileTypeIdForPath("C:\\m\\a.q"), FileTypeIdForPath("C:\\m\\a.qq"));
}
