#include "selection/CriteriaLines.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(CriteriaLines, ListsShowCriteriaAndGiveThemBack)
{
    CriteriaLines lines = MakeCriteriaLines({"beta", "Alpha", "Beta", "alpha2"}, {"Rock", "jazz", "Pop"});
    std::vector<std::string> artists, genres;
    for (const ArtistLine& line : lines.artists)
        artists.push_back(line.name);
    for (const GenreLine& line : lines.genres)
        genres.push_back(line.name);
    // Alphabetical ignoring case; names that differ only in case both stay.
    EXPECT_EQ(artists, (std::vector<std::string>{"Alpha", "alpha2", "Beta", "beta"}));
    EXPECT_EQ(genres, (std::vector<std::string>{"jazz", "Pop", "Rock"}));

    SelectiveCriteria c;
    c.untickedArtists = {"beta", "Gone"};  // byte for byte: "Beta" stays ticked
    c.genres = {{"Rock", GenreChoice::Indeterminate}, {"jazz", GenreChoice::Exclude}};
    c.minPreference = 12;
    c.firstYear = 1990;
    ShowCriteria(lines, c);
    EXPECT_TRUE(lines.artists[2].ticked);
    EXPECT_FALSE(lines.artists[3].ticked);
    EXPECT_EQ(lines.genres[0].choice, GenreChoice::Exclude);
    EXPECT_EQ(lines.genres[1].choice, GenreChoice::Include);
    EXPECT_EQ(lines.stars, 9u);
    EXPECT_EQ(lines.firstYear, "1990");
    EXPECT_EQ(lines.lastYear, "");

    // Back, in list order; an artist not in the lists is gone.
    lines.lastYear = "20x0";
    const SelectiveCriteria back = CriteriaFromLines(lines);
    EXPECT_EQ(back.untickedArtists, (std::vector<std::string>{"beta"}));
    ASSERT_EQ(back.genres.size(), 2u);
    EXPECT_EQ(back.genres[0].first, "jazz");
    EXPECT_EQ(back.genres[1].second, GenreChoice::Indeterminate);
    EXPECT_EQ(back.minPreference, 9u);
    EXPECT_EQ(back.firstYear, 1990u);
    EXPECT_EQ(back.lastYear, 0u);

    // Reading other criteria starts from the defaults.
    ShowCriteria(lines, SelectiveCriteria());
    EXPECT_TRUE(CriteriaFromLines(lines).untickedArtists.empty());
    EXPECT_TRUE(CriteriaFromLines(lines).genres.empty());
    EXPECT_EQ(lines.firstYear, "");
}

TEST(CriteriaLines, GenreCycleYearsAndYearBoxes)
{
    EXPECT_EQ(NextGenreChoice(GenreChoice::Include), GenreChoice::Exclude);
    EXPECT_EQ(NextGenreChoice(GenreChoice::Exclude), GenreChoice::Indeterminate);
    EXPECT_EQ(NextGenreChoice(GenreChoice::Indeterminate), GenreChoice::Include);
    EXPECT_EQ(YearFromText(" 1995 "), 1995u);
    for (const char* text : {"", "  ", "-1", "19 95", "1995a", "123456", "0x10"})
        EXPECT_EQ(YearFromText(text), 0u) << text;
    EXPECT_EQ(YearChoices(1997), (std::vector<std::string>{"1997", "1996", "1995"}));
    EXPECT_TRUE(YearChoices(1994).empty());
}
