#include "export/ExportTemplate.h"

#include "core/GenreList.h"
#include "core/TrackRecords.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;

namespace {

class ExportTemplateTest : public testing::Test {
protected:
    void SetUp() override
    {
        track_ = vuvtest::MakeTrack("Ana & <Co> Bj\xF6rk", "Yesterday Once More", "Blue");
        track_.year = 1999, track_.kbps = 192, track_.trackNumber = 7, track_.lengthMs = 61999;
        track_.genreIds[0] = 9, track_.genreIds[1] = 3;
        genres_.Append(GenreRecord{3, "Rock"});
        genres_.Append(GenreRecord{9, "Jazz"});
    }
    // Appended to what `out` held: the expansion alone comes back.
    std::string Expand(const TrackRecord* track, const std::string& text, bool html = false, bool genres = true)
    {
        const ExportTotals totals{"5.18 MB", "6 hours 0 minutes", "90", "Party"};
        const TemplateContext context{&totals, genres ? &genres_ : nullptr, html};
        std::string out = "<";
        ExpandTemplate(track, text, context, out);
        return out.substr(1);
    }

    TrackRecord track_;
    GenreList genres_;
};

}  // namespace

TEST_F(ExportTemplateTest, EverySymbolInTextAndHtml)
{
    EXPECT_EQ(Expand(&track_, "[artist]|[album]|[title]|[year]|[kbps]|[tab]|[ret]|[track number]|[track number xx]|"
                              "[genre]|[length]|[pref]|[t length]|[track count]|[t size]|[vuv]"),
              "Ana & <Co> Bj\xF6rk|Blue|Yesterday Once More|1999|192|\t|\r\n| 7|07|Jazz; Rock|1:01|0|"
              "6 hours 0 minutes|90|5.18 MB|Party");
    // HTML changes the tab and the line break only: values go out unescaped.
    EXPECT_EQ(Expand(&track_, "[tab][artist][ret]", true), "&nbsp;&nbsp;&nbsp;Ana & <Co> Bj\xF6rk<br>\r\n");
    // Typed line breaks are dropped; what is no symbol is copied.
    EXPECT_EQ(Expand(&track_, "a\r\nb\n[Artist][artist x][year"), "ab[Artist][artist x][year");
}

TEST_F(ExportTemplateTest, EmptyValuesAndTextsWithoutTrack)
{
    track_.year = 0, track_.kbps = 0, track_.trackNumber = 0, track_.preference = 0;
    EXPECT_EQ(Expand(&track_, "[year]|[kbps]|[track number]|[track number xx]|[pref]"), "||||0");
    EXPECT_EQ(Expand(&track_, "[genre]", false, false), "");
    // An empty value keeps its column; without a track the symbol and its
    // group give nothing, while tabs, line breaks and totals still do.
    EXPECT_EQ(Expand(&track_, "[track number]{4}|[year]{3}|"), "    |   |");
    EXPECT_EQ(Expand(nullptr, "[artist]{10}x[tab][ret][title][t size]{9}|[vuv]"), "x\t\r\n5.18 MB  |Party");
}

TEST_F(ExportTemplateTest, WidthGroups)
{
    EXPECT_EQ(Expand(&track_, "[title]{10}|"), "Yesterd.. |");
    SetField(track_.title, "Hey");
    EXPECT_EQ(Expand(&track_, "[title]{10}|[title]{5}|"), "Hey       |Hey  |");
    EXPECT_EQ(Expand(&track_, "[title]{5}|", true), "Hey&nbsp;&nbsp;|");
    // Shorter than 4 bytes: never cut; no width: as it is.
    EXPECT_EQ(Expand(&track_, "[title]{2}|[title]{0}|[title]{-3}|[title]{x}|"), "Hey|Hey|Hey|Hey|");
    SetField(track_.title, "Yesterday");
    EXPECT_EQ(Expand(&track_, "[title]{3}|[title]{2}|[title]{1}|[title]{ 12 }|"), ".. |Ye|Y|Yesterday   |");
    // Above 900 counts as 900; a group without its "}" runs to the end.
    EXPECT_EQ(Expand(&track_, "[title]{5000}").size(), 900u);
    EXPECT_EQ(Expand(&track_, "[title]{12 and the rest"), "Yesterday   ");
    std::string out;
    const std::string text = "[x]{6}rest";
    EXPECT_EQ(AppendField(out, "ab", 2, false, text, 3), 6u);
    EXPECT_EQ(AppendField(out, "cd", 2, false, text, 6), 6u);
    EXPECT_EQ(out, "ab    cd");
}
