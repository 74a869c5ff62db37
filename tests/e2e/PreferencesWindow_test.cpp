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

#include <vector>

namespace {

constexpr int kPreferencesCommand = 40073;
constexpr int kTrackList = 1008;
constexpr int kSubFolders = 1085, kInfoTips = 1110, kSecondSort = 1111, kDefaultColumns = 1113;
constexpr int kRowHeight = 20;  // the property list's rows

class PreferencesWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        vuvtest::ClearEditorSettings();
        const std::vector<std::string> lines{
            "C:\\Music\\a.mp3\tAlba\tOne\tFirst\t1999\t1\tJazz\t61000\t192\t44100\t2\t5\t0\t0\t500\t1"};
        ASSERT_TRUE(vuvtest::WriteCollection(folder_.File("m.tsv"), folder_.File("Preferences Test.mcc"), lines));
        vuvtest::SetProgramText("ActiveMusicCollection", folder_.File("Preferences Test.mcc"));
    }
    void TearDown() override { vuvtest::ClearEditorSettings(); }
    static HWND Open(vuvtest::Editor& editor)
    {
        PostMessageA(editor.Window(), WM_COMMAND, kPreferencesCommand, 0);
        return vuvtest::WaitForProcessWindow(editor.ProcessId(), "#32770", "Music Collection Preferences");
    }
    // The list's column widths by position: each column type has its own.
    static std::vector<int> Widths(vuvtest::Editor& editor)
    {
        HWND list = editor.Control(kTrackList);
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        std::vector<int> widths;
        const int count = int(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
        for (int p = 0; p < count; ++p)
            widths.push_back(int(SendMessageA(list, LVM_GETCOLUMNWIDTH, WPARAM(p), 0)));
        return widths;
    }

    vuvtest::ScratchFolder folder_;
};

}  // namespace

TEST_F(PreferencesWindowTest, ColumnPositionsReorderTheListAtOnce)
{
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    std::vector<int> widths = Widths(editor);
    ASSERT_EQ(widths.size(), 18u);
    EXPECT_EQ(std::vector<int>(widths.begin(), widths.begin() + 4), (std::vector<int>{20, 143, 254, 100}));

    HWND dialog = Open(editor);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageA(vuvtest::FindControl(dialog, kSecondSort), CB_GETCOUNT, 0, 0), 19);  // "[Smart]" and 18
    HWND rows = FindWindowExA(dialog, nullptr, "ListBox", nullptr);
    ASSERT_NE(rows, nullptr);
    EXPECT_TRUE(vuvtest::SaveShot(dialog, "preferences.png"));

    // "Artist" to 3 and "Track" to 2 swap them; "Genre" at 0 is hidden.
    vuvtest::ClickClient(rows, 40, 1 * kRowHeight + kRowHeight / 2);
    vuvtest::TypeText("3");
    vuvtest::PressKey(VK_DOWN);
    vuvtest::TypeText("2");
    vuvtest::PressKey(VK_DOWN);
    vuvtest::TypeText("0");
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kSubFolders));
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kInfoTips));
    SendMessageA(vuvtest::FindControl(dialog, kSecondSort), CB_SETCURSEL, 7, 0);  // "Album"
    vuvtest::ClickControl(vuvtest::FindControl(dialog, IDOK));
    for (int i = 0; i < 50 && IsWindow(dialog); ++i)
        vuvtest::Pause(100);
    ASSERT_FALSE(IsWindow(dialog));

    // The header follows: the mark, Track, Artist, then Preference (85).
    vuvtest::Pause(300);
    widths = Widths(editor);
    ASSERT_EQ(widths.size(), 17u);
    EXPECT_EQ(std::vector<int>(widths.begin(), widths.begin() + 4), (std::vector<int>{20, 254, 143, 85}));
    DWORD value = 0;
    ASSERT_TRUE(vuvtest::ProgramNumber("DefaultSearchSubFolders", &value));
    EXPECT_EQ(value, 1u);
    ASSERT_TRUE(vuvtest::ProgramNumber("VUVNoPopupInfoTips", &value));
    EXPECT_EQ(value, 1u);
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV2ndSortOn", &value));
    EXPECT_EQ(value, 7u);

    // "Default Columns", answered Yes: all 18 back, in type order.
    dialog = Open(editor);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageA(vuvtest::FindControl(dialog, kSecondSort), CB_GETCURSEL, 0, 0), 7);
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kDefaultColumns));
    HWND question = vuvtest::WaitForProcessWindow(editor.ProcessId(), "#32770", "Tonbrook");
    ASSERT_NE(question, nullptr);
    vuvtest::ClickControl(vuvtest::FindControl(question, IDYES));
    for (int i = 0; i < 50 && IsWindow(dialog); ++i)
        vuvtest::Pause(100);
    ASSERT_FALSE(IsWindow(dialog));
    vuvtest::Pause(300);
    widths = Widths(editor);
    ASSERT_EQ(widths.size(), 18u);
    EXPECT_EQ(std::vector<int>(widths.begin(), widths.begin() + 4), (std::vector<int>{20, 143, 254, 100}));
    EXPECT_EQ(editor.Close(), 0);
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-ColumnOdr1", &value));
    EXPECT_EQ(value, 1u);
}
