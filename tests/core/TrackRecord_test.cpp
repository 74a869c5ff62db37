#include "core/TrackRecord.h"

#include "core/FileTypeNames.h"
#include "core/TrackRecords.h"
#include "platform/Clock.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;

TEST(TrackRecord, CreateZeroesAllButPathAndDate)
{
    const uint64_t before = CurrentFileTimeUtc();
    TrackRecord t = CreateTrackRecord("C:\\Music\\a.mp3");
    const uint64_t after = CurrentFileTimeUtc();
    EXPECT_STREQ(t.path, "C:\\Music\\a.mp3");
    EXPECT_GE(t.dateAdded, before);
    EXPECT_LE(t.dateAdded, after);
    TrackRecord expected = vuvtest::Track("");
    strcpy(expected.path, t.path);
    expected.dateAdded = t.dateAdded;
    EXPECT_EQ(memcmp(&t, &expected, sizeof t), 0);

    std::string longPath = "C:\\" + std::string(400, 'x');
    TrackRecord cut = CreateTrackRecord(longPath.c_str());
    EXPECT_EQ(strlen(cut.path), 259u);
}

TEST(TrackRecord, StoredFormZeroesTypeAndPadding)
{
    TrackRecord t = vuvtest::Track("");
    memset(&t, 0xAB, sizeof t);
    TrackRecord s = StoredForm(t);
    EXPECT_EQ(s.typeName, 0u);
    EXPECT_EQ(s.padding1, 0);
    EXPECT_EQ(s.padding2[0] | s.padding2[1] | s.padding2[2], 0);
    EXPECT_EQ(s.padding3[0] | s.padding3[1] | s.padding3[2], 0);
    EXPECT_EQ(memcmp(s.artist, t.artist, offsetof(TrackRecord, preference) + 1), 0);
    EXPECT_EQ(s.dateAdded, t.dateAdded);
    EXPECT_EQ(s.trackNumber, t.trackNumber);
}

TEST(TrackRecord, CleanUpCollapsesDoubledBackslashesFromTheThirdCharacter)
{
    // A network path keeps its leading pair; a pair that starts at the
    // second character is not looked at.
    const char* cases[][2] = {
        {"C:\\Music\\\\a.mp3", "C:\\Music\\a.mp3"},
        {"C:\\Music\\\\\\a.mp3", "C:\\Music\\a.mp3"},
        {"C\\\\x", "C\\\\x"},
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
            TrackRecord t = vuvtest::Track(c[0]);
            t.flags = kFlagMissing | kFlagHighlight1;
            CleanUpLoadedRecord(t, l);
            EXPECT_STREQ(t.path, c[1]) << c[0];
            EXPECT_EQ(t.flags, uint32_t(kFlagHighlight1));
            EXPECT_EQ(FileTypeText(t.typeName), ComputeFileTypeText(ExtensionOf(t.path))) << c[0];
        }
    }
    TrackRecord t = vuvtest::Track("");
    t.flags = 0x80000001u;  // negative as a signed number
    CleanUpLoadedRecord(t);
    EXPECT_EQ(t.flags, 0u);
}
