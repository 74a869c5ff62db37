#include "export/ExportInputs.h"

#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;

// (The first-use texts show in the export of vuvtool's tests.) Stored, the
// switches are inverted; an emptied text stays empty while a layout is set,
// and an empty layout is the first use again.
TEST(ExportInputs, StoredInputsAndTheFirstUse)
{
    vuvtest::ScopedSettingsKey key;
    ExportInputs in = LoadExportSettings();
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
    EXPECT_TRUE(!again.artistHeadings && again.albumHeadings && again.toClipboard && again.html);

    SetText("", "TbpExportLayout");
    SetText("my top", "TbpExportTop");
    in = LoadExportSettings();
    EXPECT_EQ(in.layout, kDefaultLayout);
    EXPECT_EQ(in.top, "my top");
    EXPECT_EQ(in.beforeArtist, "[ret]");
}
