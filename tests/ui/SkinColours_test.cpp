#include "ui/SkinColours.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using vuv::ParseSkinColours;

namespace {

// The ten colours as "r,g,b" and the gradient's six components, in the
// file's order.
std::string Text(const vuv::SkinColours& c)
{
    std::string text;
    for (COLORREF colour : {c.listBackground, c.listText, c.queueShadow, c.selectedBackground, c.selectedText,
                            c.queueSelectedShadow, c.labelText, c.labelShadow, c.playlistText, c.notInSelectionText})
        text += std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
                std::to_string(GetBValue(colour)) + " ";
    for (int v : {c.gradientStart[0], c.gradientStart[1], c.gradientStart[2], c.gradientEnd[0], c.gradientEnd[1],
                  c.gradientEnd[2]})
        text += std::to_string(v) + " ";
    return text;
}

const std::string kBlack = "0,0,0 0,0,0 0,0,0 0,0,0 0,0,0 0,0,0 0,0,0 0,0,0 0,0,0 0,0,0 0 0 0 0 0 0 ";

}  // namespace

TEST(SkinColours, LinesInOrderMissingOnesRepeatThePreviousColour)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= 36; ++i)
        lines.push_back(std::to_string(i));
    EXPECT_EQ(Text(ParseSkinColours(lines)), "1,2,3 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21 22,23,24 "
                                             "25,26,27 28,29,30 31 32 33 34 35 36 ");
    // A colour cut after its red takes green and blue from the one before;
    // missing gradient lines are 0; lines are read like strtol.
    EXPECT_EQ(Text(ParseSkinColours({"10", "20", "30", "200"})),
              "10,20,30 200,20,30 200,20,30 200,20,30 200,20,30 200,20,30 200,20,30 200,20,30 200,20,30 200,20,30 "
              "0 0 0 0 0 0 ");
    EXPECT_EQ(Text(ParseSkinColours({"  12abc", "green", "-0", "+7"})).substr(0, 12), "12,0,0 7,0,0");
    EXPECT_EQ(Text(ParseSkinColours({})), kBlack);
}

TEST(SkinColours, ReadsTheFileAndFallsBackToBlack)
{
    vuvtest::ScratchFolder folder;
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("Colors.txt"), "1\r\n2\r\n3\r\n4\n5\n6\n"));
    EXPECT_EQ(Text(vuv::ReadColours(folder.File("Colors.txt"))).substr(0, 18), "1,2,3 4,5,6 4,5,6 ");
    EXPECT_EQ(Text(vuv::ReadColours(folder.File("absent.txt"))), kBlack);
    // The default skin: a list whose text, selection and backdrop show.
    vuv::SkinColours c = vuv::ReadColours(vuvtest::SuiteDir() + "Skins\\Default\\Editor\\Colors.txt");
    EXPECT_NE(c.listBackground, c.listText);
    EXPECT_NE(c.listBackground, c.selectedBackground);
    EXPECT_NE(c.selectedBackground, c.selectedText);
    EXPECT_NE(c.gradientStart[0] + c.gradientStart[1] + c.gradientStart[2], 0);
}
