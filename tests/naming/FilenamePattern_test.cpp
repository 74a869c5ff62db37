#include "naming/FilenamePattern.h"

#include "core/TrackRecords.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;
using vuvtest::MakeTrack;

TEST(FilenamePattern, ConversionsTryLongerTokensFirstAndKeepEverythingElse)
{
    // Case of tokens is free; "[track]" must not swallow "[track number...]",
    // "%R" must not swallow "%RR"; '^' and bytes above 0x7F pass through.
    EXPECT_EQ(DisplayToStored("[Artist]^\\[TRACK NUMBER XX] [track number] [track] [album]\xE9-[genre]"),
              "%A^\\%RR %R %T %L\xE9-%G");
    EXPECT_EQ(DisplayToStored("[year][length][unique] [nothing] [artist"), "%Y%H%U [nothing] [artist");
    EXPECT_EQ(StoredToDisplay("%rr%R%l^%g%y%h%u%x%"), "[track number xx][track number][album]^[genre][year][length][unique]%x%");

    // A display pattern at the limit converts whole; a stored one that grows
    // past it is cut to 259 characters.
    EXPECT_EQ(DisplayToStored(std::string(251, 'x') + "[artist]"), std::string(251, 'x') + "%A");
    EXPECT_EQ(StoredToDisplay("%a" + std::string(255, 'x')), "[artist]" + std::string(251, 'x'));
}

TEST(FilenamePattern, TextValuesAreCleanedInOrder)
{
    TrackRecord t = MakeTrack("AC/DC", "Why?", "Dots...", "C:\\in\\own name.mp3");
    EXPECT_EQ(BuildPathFromPattern("%a\\%l\\%t", t, ""), "AC-DC\\Dots\\Why\xBF");

    // Every forbidden character, one byte for one byte; numbers and literal
    // text are not cleaned.
    t = MakeTrack("a\"b<c>d:e\\f*g|h\xE9", "T", "", "");
    t.trackNumber = 4;
    EXPECT_EQ(BuildPathFromPattern("%a <%rr>", t, ""), "a'b\xAB" "c\xBB" "d;e-f-g-h\xE9 <04>");

    // Dots go before spaces: "x. " keeps its dot, " y.." loses both dots and
    // its leading space; the genre is cleaned as well.
    t = MakeTrack("x. ", " y..", "", "");
    EXPECT_EQ(BuildPathFromPattern("%a|%t|%g", t, " R&B/Soul. "), "x.|y|R&B-Soul.");
}

TEST(FilenamePattern, ElementsFoldersAndFallback)
{
    TrackRecord t = MakeTrack("Corvina", "Rain", "", "C:\\Music\\old name.mp3");
    EXPECT_EQ(BuildPathFromPattern(kDefaultStoredPattern, t, ""), "Corvina\\Corvina - Rain");
    // Spaces before a folder separator are stripped (and the leading ones).
    EXPECT_EQ(BuildPathFromPattern(DisplayToStored("  [artist] \\[track]"), t, ""), "Corvina\\Rain");
    EXPECT_EQ(BuildPathFromPattern("%a^\\%t", t, ""), "C\\Rain");
    EXPECT_EQ(BuildPathFromPattern("%rr %r %y %h|%z%a^^", t, ""), "00 0 0 0.00|C^");
    t.trackNumber = 7;
    t.year = -5;
    t.lengthMs = 3725999;
    EXPECT_EQ(BuildPathFromPattern("%RR-%r-%Y-%H", t, ""), "07-7--5-62.05");

    // No file name left: the track's own file name, without its extension.
    EXPECT_EQ(BuildPathFromPattern(DisplayToStored("[album]\\"), t, ""), "\\old name");
    t = MakeTrack("A", "...", "", "C:\\x\\y.z.ogg");
    EXPECT_EQ(BuildPathFromPattern("%a\\%t", t, ""), "A\\y.z");
    t.path[0] = '\0';
    EXPECT_EQ(BuildPathFromPattern("%t", t, ""), std::string());

    // Long values are cut to 259 characters at the end.
    t = MakeTrack(std::string(99, 'a').c_str(), std::string(99, 't').c_str());
    const std::string cut = BuildPathFromPattern("%a\\%a\\%t\\%t", t, "");
    EXPECT_EQ(cut.size(), 259u);
    EXPECT_EQ(cut.substr(0, 100), std::string(99, 'a') + "\\");
}

TEST(FilenamePattern, UniqueNumbersAreConsecutiveFromOne)
{
    vuvtest::ScopedSettingsKey key;
    const TrackRecord t = MakeTrack("", "", "", "");
    EXPECT_EQ(BuildPathFromPattern("%U", t, ""), "00000001");
    EXPECT_EQ(BuildPathFromPattern("%u-%u^", t, ""), "00000002-0");
}
