#include "export/ExportInputs.h"

#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(ExportInputs, FirstUseDefaultsAndTheStoredInputs)
{
    vuvtest::ScopedSettingsKey key;
    ExportInputs in = LoadExportSettings();
    EXPECT_EQ(in.layout, "[tab][tab][track number][tab][title]");
    EXPECT_EQ(in.top, "[vuv]s Music Collection[ret][ret]\r\nContaining [track count] tracks ([t size])[ret]\r\n"
                      "Total Length: [t length][ret][ret]");
    EXPECT_EQ(in.beforeArtist, "[ret]");
    EXPECT_EQ(in.beforeAlbum, "[tab]");
    EXPECT_EQ(in.bottom + in.afterArtist + in.afterAlbum, "");
    EXPECT_TRUE(in.artistHeadings && in.albumHeadings);
    EXPECT_FALSE(in.toClipboard || in.html);

    // Stored: the switches inverted; an emptied text stays empty once the
    // layout is set.
    in.top = std::string(kTopLimit - 1, 't');
    in.beforeArtist = "";
    in.artistHeadings = false;
    in.toClipboard = in.html = true;
    StoreExportSettings(in);
    EXPECT_EQ(GetNumber("TbpExportNoArtistTitle"), 1u);
    EXPECT_EQ(GetNumber("TbpExportNoAlbumTitle"), 0u);
    const ExportInputs again = LoadExportSettings();
    EXPECT_EQ(again.top, in.top);
    EXPECT_EQ(again.beforeArtist, "");
    EXPECT_FALSE(again.artistHeadings);
    EXPECT_TRUE(again.albumHeadings && again.toClipboard && again.html);

    // An empty layout is the first use again: each empty text gets its
    // default, a set one stays.
    SetText("", "TbpExportLayout");
    SetText("my top", "TbpExportTop");
    in = LoadExportSettings();
    EXPECT_EQ(in.layout, kDefaultLayout);
    EXPECT_EQ(in.top, "my top");
    EXPECT_EQ(in.beforeArtist, "[ret]");
}
