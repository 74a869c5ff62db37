#include "core/QuickSearch.h"

#include "core/StoreFixture.h"

using namespace vuv;
using namespace vuvtest;

namespace {

class QuickSearchTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store().AppendTrack(MakeTrack("Beat Club", "Summer", "Hits", "C:\\1"));
        store().AppendTrack(MakeTrack("Other", "Endless Love", "Beats", "C:\\2"));
        store().AppendTrack(MakeTrack("The Beatles", "Love Me Do", "Singles", "C:\\3"));
        store().AppendTrack(MakeTrack("", "Nothing", "", "C:\\4"));
        TheSearchFields() = SearchFields();
    }
    int Find(int start, const std::string& text)
    {
        return FindMatchingTrack(store(), start, text, TheSearchFields());
    }
};

}  // namespace

TEST_F(QuickSearchTest, WordsMatchAcrossFieldsIgnoringCase)
{
    // BEAT in the album, LOVE in the title; one or two spaces alike.
    EXPECT_EQ(Find(0, "beat love"), 1);
    EXPECT_EQ(Find(0, "beat  love"), 1);
    EXPECT_EQ(Find(2, "beat love"), 2);
    EXPECT_EQ(Find(3, "beat love"), 1);  // wraps round
    EXPECT_EQ(Find(4, "nothing"), 3);    // after the last track: the first, the start last
    EXPECT_EQ(Find(0, "zzz"), -1);
    EXPECT_EQ(Find(0, "HING"), 3);
    EXPECT_EQ(Find(2, ""), 2);  // an empty word matches anything
    EXPECT_EQ(Find(0, "endless lovely"), -1);

    TheSearchFields().album = false;
    EXPECT_EQ(Find(0, "beat love"), 2);
    TheSearchFields() = SearchFields{false, false, false};
    EXPECT_EQ(Find(0, ""), -1);
    EXPECT_EQ(Find(0, "beat"), -1);
}

TEST_F(QuickSearchTest, FieldsPersistAsSettings)
{
    SetNumber(1, kSearchNoTitleSetting);
    LoadSearchFields();
    EXPECT_TRUE(TheSearchFields().artist);
    EXPECT_FALSE(TheSearchFields().title);
    TheSearchFields().album = false;
    TheSearchFields().title = true;
    SaveSearchFields();
    EXPECT_EQ(GetNumber(kSearchNoTitleSetting), 0u);
    EXPECT_EQ(GetNumber(kSearchNoAlbumSetting), 1u);
}
