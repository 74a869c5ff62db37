#include "ui/TrackCells.h"

#include "ui/TrackColumns.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(TrackCells, NumbersLengthsAndSizes)
{
    EXPECT_EQ(vuv::LengthText(59999) + " " + vuv::LengthText(60000) + " " + vuv::LengthText(3725000), "0:59 1:00 62:05");
    EXPECT_EQ(vuv::SizeCellText(0) + " " + vuv::SizeCellText(1) + " " + vuv::SizeCellText(1024), "0KB 1KB 2KB");
    vuv::TrackRecord t{};
    t.kbps = 192;
    EXPECT_EQ(vuv::CellText(t, vuv::kSortKbps, "", ""), "192");
    EXPECT_EQ(vuv::CellText(t, vuv::kSortGenre, "Jazz; Soul", "MP3 File"), "Jazz; Soul");
    EXPECT_EQ(vuv::CellText(t, vuv::kSortType, "Jazz; Soul", "MP3 File"), "MP3 File");
    // Unknown numbers come out as "0", which is not drawn; image columns
    // have no text.
    EXPECT_FALSE(vuv::CellTextShown(vuv::CellText(t, vuv::kSortYear, "", "")));
    EXPECT_FALSE(vuv::CellTextShown(vuv::CellText(t, vuv::kSortTrackNumber, "", "")));
    EXPECT_TRUE(vuv::CellTextShown(vuv::CellText(t, vuv::kSortSize, "", "")));  // "0KB"
    EXPECT_EQ(vuv::CellText(t, vuv::kSortPreference, "", ""), "");
    // A field filled to its last byte without a NUL stays inside the field.
    std::memset(t.title, 'x', sizeof t.title);
    EXPECT_EQ(vuv::CellText(t, vuv::kSortTitle, "", "").size(), sizeof t.title);
}

TEST(TrackCells, TextIsCutWithEllipsisToFit)
{
    auto width = [](const std::string& s) { return int(s.size()) * 10; };  // 10 pixels a character
    EXPECT_EQ(vuv::FitCellText("Hello", 50, width), "Hello");
    EXPECT_EQ(vuv::FitCellText("Hello", 49, width), "H...");
    EXPECT_EQ(vuv::FitCellText("Hello world", 70, width), "Hell...");
    EXPECT_EQ(vuv::FitCellText("Hello", 30, width), "...");
    EXPECT_EQ(vuv::FitCellText("Hello", 29, width), "");
}
