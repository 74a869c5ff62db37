#include "selection/CriteriaLines.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(CriteriaLines, ListsShowCriteriaAndGiveThemBack)
{
    CriteriaLines lines = MakeCriteriaLines({"beta", "Alpha", "Beta", "alpha2"}, {"Rock", "jazz", "Pop"});
    // Alphabetical ignoring case; names that differ only in case both stay.
    std::string artists, genres;
    for (const ArtistLine& line : lines.artists)
        artists += line.name + ",";
    for (const GenreLine& line : lines.genres)
        genres += line.name + ",";
    EXPECT_EQ(artists + genres, "Alpha,alpha2,Beta,beta,jazz,Pop,Rock,");

    SelectiveCriteria c;
    c.untickedArtists = {"beta", "Gone"};  // byte for byte: "Beta" stays ticked
    c.genres = {{"Rock", GenreChoice::Indeterminate}, {"jazz", GenreChoice::Exclude}};
    c.minPreference = 12;
    c.firstYear = 1990;
    ShowCriteria(lines, c);
    EXPECT_TRUE(lines.artists[2].ticked && !lines.artists[3].ticked);
    EXPECT_EQ(lines.stars, 9u);
    EXPECT_EQ(lines.firstYear + "|" + lines.lastYear, "1990|");
    // Back, in list order; an artist not in the lists is gone; a year box
    // that is not a number counts as 0.
    lines.lastYear = "20x0";
    const SelectiveCriteria back = CriteriaFromLines(lines);
    EXPECT_EQ(back.untickedArtists, (std::vector<std::string>{"beta"}));
    EXPECT_EQ(back.genres, (std::vector<std::pair<std::string, GenreChoice>>{{"jazz", GenreChoice::Exclude},
                                                                             {"Rock", GenreChoice::Indeterminate}}));
    EXPECT_EQ(back.minPreference, 9u);
    EXPECT_EQ(back.firstYear, 1990u);
    EXPECT_EQ(back.lastYear, 0u);
    // Reading other criteria starts from the defaults.
    ShowCriteria(lines, SelectiveCriteria());
    EXPECT_TRUE(CriteriaFromLines(lines).untickedArtists.empty() && CriteriaFromLines(lines).genres.empty());

    EXPECT_EQ(YearFromText(" 1995 "), 1995u);
    for (const char* text : {"", "-1", "19 95", "123456", "0x10"})
        EXPECT_EQ(YearFromText(text), 0u) << text;
    EXPECT_EQ(YearChoices(1997), (std::vector<std::string>{"1997", "1996", "1995"}));
    EXPECT_TRUE(YearChoices(1994).empty());
}
