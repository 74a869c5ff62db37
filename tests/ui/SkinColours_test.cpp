#include "ui/SkinColours.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using vuv::ParseSkinColours;
using vuv::SkinColours;

TEST(SkinColours, FullFileGivesEveryColourAndTheGradient)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 36; ++i)
        lines.push_back(std::to_string(i + 1));
    SkinColours c = ParseSkinColours(lines);
    EXPECT_EQ(c.listBackground, RGB(1, 2, 3));
    EXPECT_EQ(c.listText, RGB(4, 5, 6));
    EXPECT_EQ(c.queueShadow, RGB(7, 8, 9));
    EXPECT_EQ(c.selectedBackground, RGB(10, 11, 12));
    EXPECT_EQ(c.selectedText, RGB(13, 14, 15));
    EXPECT_EQ(c.queueSelectedShadow, RGB(16, 17, 18));
    EXPECT_EQ(c.labelText, RGB(19, 20, 21));
    EXPECT_EQ(c.labelShadow, RGB(22, 23, 24));
    EXPECT_EQ(c.playlistText, RGB(25, 26, 27));
    EXPECT_EQ(c.notInSelectionText, RGB(28, 29, 30));
    EXPECT_EQ(c.gradientStart[0], 31);
    EXPECT_EQ(c.gradientStart[2], 33);
    EXPECT_EQ(c.gradientEnd[0], 34);
    EXPECT_EQ(c.gradientEnd[2], 36);
}

TEST(SkinColours, MissingLinesRepeatThePreviousColoursComponents)
{
    // Three lines: every colour equals the first; the gradient is black.
    SkinColours c = ParseSkinColours({"10", "20", "30"});
    EXPECT_EQ(c.listBackground, RGB(10, 20, 30));
    EXPECT_EQ(c.listText, RGB(10, 20, 30));
    EXPECT_EQ(c.notInSelectionText, RGB(10, 20, 30));
    EXPECT_EQ(c.gradientStart[0], 0);
    EXPECT_EQ(c.gradientEnd[1], 0);

    // A colour cut after its red takes green and blue from the one before.
    c = ParseSkinColours({"10", "20", "30", "200"});
    EXPECT_EQ(c.listText, RGB(200, 20, 30));
    EXPECT_EQ(c.queueShadow, RGB(200, 20, 30));

    // Nothing at all: black.
    c = ParseSkinColours({});
    EXPECT_EQ(c.listBackground, RGB(0, 0, 0));
    EXPECT_EQ(c.selectedText, RGB(0, 0, 0));
}

TEST(SkinColours, LinesAreReadLikeStrtol)
{
    SkinColours c = ParseSkinColours({"  12abc", "green", "-0", "+7"});
    EXPECT_EQ(c.listBackground, RGB(12, 0, 0));
    EXPECT_EQ(c.listText, RGB(7, 0, 0));
}

TEST(SkinColours, ReadsTheFileAndFallsBackToBlack)
{
    vuvtest::ScratchFolder folder;
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("Colors.txt"), "1\r\n2\r\n3\r\n4\n5\n6\n"));
    SkinColours c = vuv::ReadColours(folder.File("Colors.txt"));
    EXPECT_EQ(c.listBackground, RGB(1, 2, 3));
    EXPECT_EQ(c.listText, RGB(4, 5, 6));
    EXPECT_EQ(c.queueShadow, RGB(4, 5, 6));

    c = vuv::ReadColours(folder.File("absent.txt"));
    EXPECT_EQ(c.listBackground, RGB(0, 0, 0));
    EXPECT_EQ(c.labelText, RGB(0, 0, 0));
}

TEST(SkinColours, DefaultSkinIsReadable)
{
    // The built default skin's colours: a dark list with light text, which
    // must differ from each other and from the selection.
    SkinColours c = vuv::ReadColours(vuvtest::SuiteDir() + "Skins\\Default\\Editor\\Colors.txt");
    EXPECT_NE(c.listBackground, c.listText);
    EXPECT_NE(c.listBackground, c.selectedBackground);
    EXPECT_NE(c.selectedBackground, c.selectedText);
    EXPECT_NE(c.gradientStart[0] + c.gradientStart[1] + c.gradientStart[2], 0);
}
