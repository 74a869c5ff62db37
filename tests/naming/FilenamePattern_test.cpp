#include "naming/FilenamePattern.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;

namespace {

TrackRecord Track(const char* artist, const char* title, const char* album = "", const char* path = "")
{
    TrackRecord t;
    memset(&t, 0, sizeof t);
    strcpy(t.artist, artist);
    strcpy(t.title, title);
    strcpy(t.album, album);
    strcpy(t.path, path);
    return t;
}

}  // namespace

TEST(FilenamePattern, ConversionsTryLongerTokensFirstAndKeepEverythingElse)
{
    // Case of tokens is free; "[track]" must not swallow "[track number...]",
    // "%R" must not swallow "%RR"; '^' and bytes above 0x7F pass through.
    EXPECT_EQ(DisplayToStored("[Artist]^\\[TRACK NUMBER XX] [track number] [track] [album]\xE9-[genre]"),
              "%A^\\%RR %R %T %L\xE9-%G");
    EXPECT_EQ(DisplayToStored("[year][length][unique] [nothing] [artist"), "%Y%H%U [nothing] [artist");
    EXPECT_EQ(StoredToDisplay("%a\\%a - %t"), "[artist]\\[artist] - [track]");
    EXPECT_EQ(StoredToDisplay("%rr%R%l^%g%y%h%u%x%"), "[track number xx][track number][album]^[genre][year][length][unique]%x%");

    // A display pattern at the limit converts whole; a stored one that grows
    // past it is cut to 259 characters.
    const std::string longDisplay = std::string(251, 'x') + "[artist]";
    EXPECT_EQ(DisplayToStored(longDisplay), std::string(251, 'x') + "%A");
    std::string stored, display;
    for (int i = 0; i < 100; ++i) {
        stored += "%a";
        display += "[artist]";
    }
    EXPECT_EQ(StoredToDisplay(stored), display.substr(0, 259));
}

TEST(FilenamePattern, TextValuesAreCleanedInOrder)
{
    char out[kPathTextSize];
    TrackRecord t = Track("AC/DC", "Why?", "Dots...", "C:\\in\\own name.mp3");
    BuildPathFromPattern("%a\\%l\\%t", t, "", out);
    EXPECT_STREQ(out, "AC-DC\\Dots\\Why\xBF");

    // Every forbidden character, one byte for one byte; numbers and literal
    // text are not cleaned.
    t = Track("a\"b<c>d:e\\f*g|h\xE9", "T", "", "");
    t.trackNumber = 4;
    BuildPathFromPattern("%a <%rr>", t, "", out);
    EXPECT_STREQ(out, "a'b\xAB" "c\xBB" "d;e-f-g-h\xE9 <04>");

    // Dots go before spaces: "x. " keeps its dot, " y.." loses both dots and
    // its leading space; the genre is cleaned as well.
    t = Track("x. ", " y..", "", "");
    BuildPathFromPattern("%a|%t|%g", t, " R&B/Soul. ", out);
    EXPECT_STREQ(out, "x.|y|R&B-Soul.");
}

TEST(FilenamePattern, ElementsFoldersAndFallback)
{
    char out[kPathTextSize];
    TrackRecord t = Track("Corvina", "Rain", "", "C:\\Music\\old name.mp3");
    BuildPathFromPattern(kDefaultStoredPattern, t, "", out);
    EXPECT_STREQ(out, "Corvina\\Corvina - Rain");
    // Spaces before a folder separator are stripped (and the leading ones).
    BuildPathFromPattern(DisplayToStored("  [artist] \\[track]").c_str(), t, "", out);
    EXPECT_STREQ(out, "Corvina\\Rain");
    BuildPathFromPattern("%a^\\%t", t, "", out);
    EXPECT_STREQ(out, "C\\Rain");
    BuildPathFromPattern("%rr %r %y %h|%z%a^^", t, "", out);
    EXPECT_STREQ(out, "00 0 0 0.00|C^");
    t.trackNumber = 7;
    t.year = -5;
    t.lengthMs = 3725999;
    BuildPathFromPattern("%RR-%r-%Y-%H", t, "", out);
    EXPECT_STREQ(out, "07-7--5-62.05");

    // No file name left: the track's own file name, without its extension.
    BuildPathFromPattern(DisplayToStored("[album]\\").c_str(), t, "", out);
    EXPECT_STREQ(out, "\\old name");
    t = Track("A", "...", "", "C:\\x\\y.z.ogg");
    BuildPathFromPattern("%a\\%t", t, "", out);
    EXPECT_STREQ(out, "A\\y.z");
    BuildPathFromPattern("%a\\.hidden", t, "", out);  // only an extension: no name
    EXPECT_STREQ(out, "A\\.hiddeny.z");
    t.path[0] = '\0';
    BuildPathFromPattern("%t", t, "", out);
    EXPECT_STREQ(out, "");

    // Long values are cut to 259 characters at the end.
    t = Track(std::string(99, 'a').c_str(), std::string(99, 't').c_str());
    BuildPathFromPattern("%a\\%a\\%t\\%t", t, "", out);
    EXPECT_EQ(strlen(out), 259u);
    EXPECT_EQ(std::string(out, 100), std::string(99, 'a') + "\\");
}

TEST(FilenamePattern, UniqueNumbersAreConsecutiveFromOne)
{
    vuvtest::ScopedSettingsKey key;
    char out[kPathTextSize];
    const TrackRecord t = Track("", "", "", "");
    BuildPathFromPattern("%U", t, "", out);
    EXPECT_STREQ(out, "00000001");
    BuildPathFromPattern("%u-%u^", t, "", out);
    EXPECT_STREQ(out, "00000002-0");
    EXPECT_EQ(NextUniqueNumber(), 4u);
}
