// "VUV - Export Collection" as a user meets it: the first-use inputs, a
// damaged preset refused with its reason and the inputs kept, a good preset
// loaded into the inputs, and "Export" to a file chosen in the save dialog,
// whose bytes are the listing.
#include "core/CollectionFile.h"
#include "e2e/DialogDriver.h"
#include "e2e/EditorDriver.h"
#include "export/ExportPreset.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr int kExportCommand = 40081;
constexpr int kLayout = 1160, kMessage = 1174, kLoadPreset = 1172;

class ExportWindowTest : public vuvtest::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        // "path<TAB>artist<TAB>title<TAB>album<TAB>year<TAB>track<TAB>genres<TAB>ms<TAB>..."
        const std::vector<std::string> lines{
            "C:\\Music\\b.mp3\tZed\tTwo\t\t0\t0\tPop\t61000\t192\t44100\t2\t5\t0\t0\t500\t1",
            "C:\\Music\\a.mp3\tA&B <x>\tSong \xE9t\xE9\tOne\t1999\t3\tJazz\t61000\t192\t44100\t2\t5\t0\t0\t500\t1"};
        UseCollection("Export Test.mcc", lines);
    }
    static void LoadPreset(vuvtest::Editor& editor, HWND dialog, const std::string& path)
    {
        vuvtest::ClickControl(vuvtest::FindControl(dialog, kLoadPreset));
        ASSERT_TRUE(vuvtest::AnswerFileDialog(editor.ProcessId(), "Tbp - Load Export Preset", path));
        vuvtest::Pause(300);
    }
};

}  // namespace

TEST_F(ExportWindowTest, PresetLoadedThenExportedToAFile)
{
    vuv::ExportInputs preset;
    preset.layout = "[artist]{8}|[title]|[year]|[genre]";
    preset.top = "[vuv]: [track count][ret]";
    preset.bottom = "[ret]end";
    preset.artistHeadings = preset.albumHeadings = false;
    preset.html = true;
    ASSERT_TRUE(vuv::WriteExportPreset(folder_.File("good.dxp"), preset));
    const std::string good = vuvtest::ReadBytes(folder_.File("good.dxp"));
    ASSERT_TRUE(vuvtest::WriteBytes(folder_.File("cut.dxp"), good.substr(0, 20)));

    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    PostMessageA(editor.Window(), WM_COMMAND, kExportCommand, 0);
    HWND dialog = vuvtest::WaitForProcessWindow(editor.ProcessId(), "#32770", "VUV - Export Collection");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(vuvtest::WindowText(vuvtest::FindControl(dialog, kLayout)), "[tab][tab][track number][tab][title]");
    vuvtest::SaveScreenshot(dialog, "export.png");

    // A cut preset: refused, the inputs as they were, the reason shown.
    LoadPreset(editor, dialog, folder_.File("cut.dxp"));
    EXPECT_EQ(vuvtest::WindowText(vuvtest::FindControl(dialog, kLayout)), "[tab][tab][track number][tab][title]");
    EXPECT_EQ(vuvtest::WindowText(vuvtest::FindControl(dialog, kMessage)),
              "The preset 'cut.dxp' was not loaded: it ends within its layout.");

    LoadPreset(editor, dialog, folder_.File("good.dxp"));
    EXPECT_EQ(vuvtest::WindowText(vuvtest::FindControl(dialog, kLayout)), preset.layout);
    EXPECT_EQ(vuvtest::WindowText(vuvtest::FindControl(dialog, kMessage)), "");

    // "Export": the save dialog; the name gets ".html".
    vuvtest::ClickControl(vuvtest::FindControl(dialog, IDOK));
    ASSERT_TRUE(vuvtest::AnswerFileDialog(editor.ProcessId(), "Tbp - Export Database To:", folder_.File("listing")));
    EXPECT_TRUE(vuvtest::WaitUntilGone(dialog));
    EXPECT_EQ(vuvtest::ReadBytes(folder_.File("listing.html")), "Export Test: 2<br>\r\n"
                                                                "Zed&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;|Two||Pop<br>\r\n"
                                                                "A&B <x>&nbsp;|Song \xE9t\xE9|1999|Jazz<br>\r\n"
                                                                "<br>\r\nend");
    // The inputs are remembered for the next time, the heading switches
    // inverted.
    DWORD noArtistTitle = 0;
    EXPECT_TRUE(vuvtest::ProgramNumber("TbpExportNoArtistTitle", &noArtistTitle) && noArtistTitle == 1);
    EXPECT_EQ(editor.Close(), 0);
}
