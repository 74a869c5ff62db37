#include "naming/PatternEditor.h"

#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(PatternEditor, HistoryKeepsTenDistinctPatternsMostRecentFirst)
{
    vuvtest::ScopedSettingsKey key;
    RememberPattern("");
    EXPECT_TRUE(PatternHistory().empty());
    for (int i = 0; i < 11; ++i)
        RememberPattern("p" + std::to_string(i));
    std::vector<std::string> expected;
    for (int i = 10; i > 0; --i)
        expected.push_back("p" + std::to_string(i));
    EXPECT_EQ(PatternHistory(), expected);  // p0 dropped

    // A pattern already there moves to the head; the later ones close up.
    RememberPattern("p5");
    EXPECT_EQ(PatternHistory(), (std::vector<std::string>{"p5", "p10", "p9", "p8", "p7", "p6", "p4", "p3", "p2", "p1"}));
    RememberPattern("p5");
    EXPECT_EQ(PatternHistory().size(), 10u);
    EXPECT_EQ(GetText("RdlLastFileCreation1"), "p10");

    // The list ends at the first number without a value.
    DeleteValue("RdlLastFileCreation3");
    EXPECT_EQ(PatternHistory(), (std::vector<std::string>{"p5", "p10", "p9"}));
}

TEST(PatternEditor, TypedCharactersAndExample)
{
    std::string typed = "a/b*c?d\"e<f>g|h:";
    EXPECT_TRUE(RemoveForbiddenCharacters(typed));
    EXPECT_EQ(typed, "abcdefgh");
    typed = "[artist]\\[album] - \xBF";
    EXPECT_FALSE(RemoveForbiddenCharacters(typed));
    EXPECT_EQ(typed, "[artist]\\[album] - \xBF");

    EXPECT_EQ(PatternExample("[genre] [year] [length] [track number]"), "Example: Pop 1992 5.24 10");
}
