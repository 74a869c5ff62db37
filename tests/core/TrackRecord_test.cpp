#include "core/TrackRecord.h"

#include "core/FileTypeNames.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;

TEST(TrackRecord, CleanUpCollapsesDoubledBackslashesFromTheThirdCharacter)
{
    const char* cases[][2] = {
        {"C:\\Music\\\\a.mp3", "C:\\Music\\a.mp3"},
        {"C:\\a\\\\\\\\b.mp3", "C:\\a\\b.mp3"},
        {"\\\\server\\share\\a.mp3", "\\\\server\\share\\a.mp3"},
        {"\\\\server\\\\share", "\\\\server\\share"},
        {"C:\\\\x", "C:\\x"},
        {"\\\\\\x", "\\\\\\x"},
        {"ab", "ab"},
        {"", ""},
    };
    FileTypeLookup lookup;
    for (auto& c : cases) {
        for (FileTypeLookup* l : {static_cast<FileTypeLookup*>(nullptr), &lookup}) {
            TrackRecord t;
            memset(&t, 0, sizeof t);
            SetField(t.path, c[0]);
            t.flags = kFlagMissing | kFlagHighlight1;
            CleanUpLoadedRecord(t, l);
            EXPECT_STREQ(t.path, c[1]) << c[0];
            EXPECT_EQ(t.flags, uint32_t(kFlagHighlight1));
            EXPECT_NE(t.typeName, 0u);
        }
    }
}
