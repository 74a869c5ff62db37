// "Music Collection Preferences" as a user meets it: positions typed into
// the column rows reorder and hide the track list's columns at once, the
// switches and the second sort key are written, and "Default Columns" puts
// every column back.
#include "e2e/DialogDriver.h"
#include "e2e/EditorDriver.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

constexpr int kSubFolders = 1085, kInfoTips = 1110, kSecondSort = 1111, kDefaultColumns = 1113;

class PreferencesWindowTest : public vuvtest::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        UseCollection("Preferences Test.mcc",
                      {"C:\\a.mp3\tAlba\tOne\tFirst\t1999\t1\tJazz\t61000\t192\t44100\t2\t5\t0\t0\t500\t1"});
    }
    HWND Open()
    {
        PostMessageA(editor_.Window(), WM_COMMAND, 40073, 0);
        return vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Music Collection Preferences");
    }
    // The number of columns and the widths of the first four: each column
    // type has its own default width (mark 20, Artist 143, Track 254, Genre
    // 100, Preference 85).
    std::vector<int> Columns()
    {
        HWND list = editor_.Control(1008);
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        std::vector<int> columns{int(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0))};
        for (int p = 0; p < 4; ++p)
            columns.push_back(int(SendMessageA(list, LVM_GETCOLUMNWIDTH, WPARAM(p), 0)));
        return columns;
    }

    vuvtest::Editor editor_;
};

}  // namespace

TEST_F(PreferencesWindowTest, ColumnPositionsReorderTheListAtOnce)
{
    ASSERT_TRUE(editor_.Start());
    EXPECT_EQ(Columns(), (std::vector<int>{18, 20, 143, 254, 100}));
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    vuvtest::SaveScreenshot(dialog, "preferences.png");
    // "Artist" (row 1) to 3 and "Track" to 2 swap them; "Genre" at 0 hides
    // it. The rows are 20 pixels high; Down moves to the next row's editor.
    vuvtest::ClickClient(FindWindowExA(dialog, nullptr, "ListBox", nullptr), 40, 30);
    vuvtest::TypeText("3");
    vuvtest::PressKey(VK_DOWN);
    vuvtest::TypeText("2");
    vuvtest::PressKey(VK_DOWN);
    vuvtest::TypeText("0");
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kSubFolders));
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kInfoTips));
    SendMessageA(vuvtest::FindControl(dialog, kSecondSort), CB_SETCURSEL, 7, 0);  // "[Smart]", then "Album" 7th
    vuvtest::ClickControl(vuvtest::FindControl(dialog, IDOK));
    ASSERT_TRUE(vuvtest::WaitUntilGone(dialog));
    EXPECT_EQ(Columns(), (std::vector<int>{17, 20, 254, 143, 85}));
    for (const auto& setting : {std::make_pair("DefaultSearchSubFolders", 1u), std::make_pair("VUVNoPopupInfoTips", 1u),
                                std::make_pair("VUV2ndSortOn", 7u)}) {
        DWORD value = 0;
        EXPECT_TRUE(vuvtest::ProgramNumber(setting.first, &value) && value == setting.second) << setting.first;
    }

    // "Default Columns", answered Yes: all 18 back, in type order.
    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageA(vuvtest::FindControl(dialog, kSecondSort), CB_GETCURSEL, 0, 0), 7);
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kDefaultColumns));
    HWND question = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Tonbrook");
    ASSERT_NE(question, nullptr);
    vuvtest::ClickControl(vuvtest::FindControl(question, IDYES));
    ASSERT_TRUE(vuvtest::WaitUntilGone(dialog));
    EXPECT_EQ(Columns(), (std::vector<int>{18, 20, 143, 254, 100}));
    EXPECT_EQ(editor_.Close(), 0);
}
