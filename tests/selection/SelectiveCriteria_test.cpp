#include "selection/SelectiveCriteria.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

TEST(SelectiveCriteria, WriterOrderAndReaderRules)
{
    ScratchFolder folder;
    const std::string path = folder.File("party.dps");
    SelectiveCriteria c;
    c.untickedArtists = {"B", "A"};
    c.genres = {{"Rock", GenreChoice::Indeterminate}, {"Pop", GenreChoice::Include},
                {"Jazz", GenreChoice::Exclude}};
    c.minPreference = 0;
    c.firstYear = 1990;
    ASSERT_TRUE(WriteCriteria(path, c));

    std::vector<CriteriaRecord> records = ReadCriteriaRecords(path);
    ASSERT_EQ(records.size(), 5u);  // no star record for 0, Pop left out
    EXPECT_EQ(records[0].kind, 1u);
    EXPECT_EQ(CriteriaName(records[0]), "B");
    EXPECT_EQ(records[2].kind, 4u);
    EXPECT_EQ(records[3].kind, 2u);
    EXPECT_EQ(records[4].kind, 5u);
    EXPECT_EQ(CriteriaNumber(records[4], 0), 1990u);
    EXPECT_EQ(CriteriaNumber(records[4], 16), 0u);
    // The year record's first number sits at record offset 4.
    EXPECT_EQ(uint8_t(ReadBytes(path)[4 * 104 + 4]), 1990 & 0xFF);

    // Reading: first star and year records count; Indeterminate wins over
    // Exclude for the same genre; a truncated tail is ignored.
    records.push_back(MakeMinPreferenceCriteria(7));
    records.push_back(MakeMinPreferenceCriteria(3));
    records.push_back(MakeNameCriteria(kCriteriaExcludedGenre, "Rock"));
    records.push_back(MakeNameCriteria(kCriteriaIndeterminateGenre, "Jazz"));
    records.push_back(MakeYearRangeCriteria(1, 2));
    ASSERT_TRUE(WriteCriteriaRecords(path, records));
    ASSERT_TRUE(WriteBytes(path, ReadBytes(path) + "xx"));
    SelectiveCriteria back = ReadCriteria(path);
    EXPECT_EQ(back.untickedArtists, (std::vector<std::string>{"B", "A"}));
    ASSERT_EQ(back.genres.size(), 2u);
    EXPECT_EQ(back.genres[0].second, GenreChoice::Indeterminate);
    EXPECT_EQ(back.genres[1].first, "Jazz");
    EXPECT_EQ(back.genres[1].second, GenreChoice::Indeterminate);
    EXPECT_EQ(back.minPreference, 7u);
    EXPECT_EQ(back.firstYear, 1990u);
    EXPECT_EQ(back.lastYear, 0u);

    // Names are cut to 99 characters; a missing file is no criteria.
    EXPECT_EQ(CriteriaName(MakeNameCriteria(kCriteriaUntickedArtist, std::string(150, 'x'))),
              std::string(99, 'x'));
    SelectiveCriteria none = ReadCriteria(folder.File("absent.dps"));
    EXPECT_TRUE(none.untickedArtists.empty());
    EXPECT_TRUE(none.genres.empty());
}

// A file far beyond any the program writes is taken for no criteria; one
// of many genres at the limit is read whole.
TEST(SelectiveCriteria, OversizedFiles)
{
    ScratchFolder folder;
    const std::string path = folder.File("big.dps");
    std::vector<CriteriaRecord> records(kMaxCriteriaFileBytes / sizeof(CriteriaRecord));
    for (size_t i = 0; i < records.size(); ++i)
        records[i] = MakeNameCriteria(kCriteriaExcludedGenre, std::to_string(i));
    ASSERT_TRUE(WriteCriteriaRecords(path, records));
    EXPECT_EQ(ReadCriteria(path).genres.size(), records.size());
    records.push_back(MakeMinPreferenceCriteria(3));
    ASSERT_TRUE(WriteCriteriaRecords(path, records));
    EXPECT_TRUE(ReadCriteriaRecords(path).empty());
}
