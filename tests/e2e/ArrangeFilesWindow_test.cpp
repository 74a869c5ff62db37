// "Arrange Files" as a user meets it in the editor: the dialog with its
// defaults, "Set" opening the "File Creation" window where a pattern is
// typed and an element inserted, "Begin >>", the progress window reaching
// "Completed", and the files and the saved collection afterwards.
#include "e2e/EditorDriver.h"
#include "core/TrackRecord.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kArrangeFilesCommand = 40047;
constexpr int kRootEdit = 1066, kPatternEdit = 1021, kSetButton = 1069, kBeginButton = 1068;
constexpr int kProgressText = 1071, kProgressBar = 1070, kCloseButton = 1069;

void ClearArrangeSettings()
{
    vuvtest::DeleteProgramValue("ArrangeRoot");
    vuvtest::DeleteProgramValue("Arrangement");
    for (int i = 0; i < 10; ++i)
        vuvtest::DeleteProgramValue(("RdlLastFileCreation" + std::to_string(i)).c_str());
}

void SaveShot(const vuvtest::Capture& shot, const char* name)
{
    const std::string dir = vuvtest::ScreenshotDir();
    if (!dir.empty()) {
        EXPECT_TRUE(vuvtest::SavePng(shot, dir + name));
    }
}

// Types into a window of another process, one character at a time.
void Type(HWND edit, const std::string& text)
{
    for (char c : text)
        PostMessageA(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
    vuvtest::Pause(300);
}

class ArrangeFilesWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        vuvtest::ClearEditorSettings();
        ClearArrangeSettings();
        CreateDirectoryA(folder_.File("in").c_str(), nullptr);
        std::vector<std::string> lines;
        const char* titles[] = {"Rain", "Dust", "Sand", "Snow"};
        for (int i = 0; i < 4; ++i) {
            const std::string path = folder_.File("in\\track") + std::to_string(i) + ".mp3";
            ASSERT_TRUE(vuvtest::WriteBytes(path, titles[i]));
            lines.push_back(path + "\tCorvina\t" + titles[i] + "\tErotica\t1992\t" + std::to_string(i + 1) +
                            "\tPop\t61000\t192\t44100\t2\t5\t0\t0\t500\t1");
        }
        ASSERT_TRUE(vuvtest::WriteCollection(folder_.File("m.tsv"), Collection(), lines));
        vuvtest::SetProgramText("ActiveMusicCollection", Collection());
    }
    void TearDown() override
    {
        vuvtest::ClearEditorSettings();
        ClearArrangeSettings();
    }
    std::string Collection() const { return folder_.File("Arrange Test.mcc"); }

    vuvtest::ScratchFolder folder_;
};

}  // namespace

TEST_F(ArrangeFilesWindowTest, SetPatternBeginAndWatchItComplete)
{
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    PostMessageA(editor.Window(), WM_COMMAND, kArrangeFilesCommand, 0);
    HWND dialog = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Arrange Files");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(dialog, kRootEdit)), "C:\\TbMusic");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(dialog, kPatternEdit)), "[artist]\\[artist] - [track]");

    // "Set": the pattern editor, with the dialog's pattern.
    vuvtest::ClickButton(GetDlgItem(dialog, kSetButton));
    HWND editorWindow = vuvtest::WaitForProcessWindow(editor.ProcessId(), "clsFCDialog", nullptr);
    ASSERT_NE(editorWindow, nullptr);
    EXPECT_EQ(vuvtest::WindowText(editorWindow), "Tonbrook - Set File Arrangement");
    EXPECT_FALSE(IsWindowEnabled(dialog));
    HWND combo = vuvtest::ChildWindow(editorWindow, "ComboBox", nullptr);
    HWND field = vuvtest::ChildWindow(combo, "Edit", nullptr);
    HWND example = nullptr;
    for (HWND c = GetWindow(editorWindow, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (vuvtest::WindowText(c).rfind("Example: ", 0) == 0)
            example = c;
    ASSERT_NE(example, nullptr);
    EXPECT_EQ(vuvtest::WindowText(example), "Example: Corvina\\Corvina - Rain");

    // Typing a new pattern; the ':' does not get in.
    SendMessageA(field, EM_SETSEL, 0, -1);
    Type(field, "\b[genre]\\[artist]: [track] ");
    EXPECT_EQ(vuvtest::WindowText(combo), "[genre]\\[artist] [track] ");
    // A double click on "[year]" in the element list appends it.
    HWND elements = vuvtest::ChildWindow(editorWindow, "ListBox", nullptr);
    const LRESULT year = SendMessageA(elements, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("[year]"));
    ASSERT_GE(year, 0);
    RECT row{};
    SendMessageA(elements, LB_GETITEMRECT, WPARAM(year), reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 30, (row.top + row.bottom) / 2);
    PostMessageA(elements, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(elements, WM_LBUTTONUP, 0, at);
    PostMessageA(elements, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(elements, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(vuvtest::WaitForText(example, "Example: Pop\\Corvina Rain 1992"));
    SaveShot(vuvtest::CaptureWindow(editorWindow), "file-creation.png");
    vuvtest::ClickButton(vuvtest::ChildWindow(editorWindow, "Button", "Ok"));
    EXPECT_TRUE(vuvtest::WaitForText(GetDlgItem(dialog, kPatternEdit), "[genre]\\[artist] [track] [year]"));
    EXPECT_TRUE(IsWindowEnabled(dialog));

    // The root, then "Begin >>": the progress window runs to "Completed".
    const std::string root = folder_.File("Arranged");
    SendMessageA(GetDlgItem(dialog, kRootEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(root.c_str()));
    vuvtest::Pause(200);
    SaveShot(vuvtest::CaptureWindow(dialog), "arrange-dialog.png");
    vuvtest::ClickButton(GetDlgItem(dialog, kBeginButton));
    HWND progress = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Arranging Music Collection");
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(vuvtest::WaitForText(GetDlgItem(progress, kProgressText), "Completed"));
    EXPECT_EQ(SendMessageA(GetDlgItem(progress, kProgressBar), PBM_GETPOS, 0, 0), 100);
    SaveShot(vuvtest::CaptureWindow(progress), "arrange-progress.png");
    vuvtest::ClickButton(GetDlgItem(progress, kCloseButton));
    for (int i = 0; i < 100 && IsWindow(progress); ++i)
        vuvtest::Pause(50);
    EXPECT_FALSE(IsWindow(progress));

    // The files are in their new places and the collection says so.
    const std::string saved = vuvtest::ReadBytes(Collection());
    ASSERT_EQ(saved.size(), 4 * sizeof(vuv::TrackRecord));
    const char* titles[] = {"Rain", "Dust", "Sand", "Snow"};
    for (int i = 0; i < 4; ++i) {
        vuv::TrackRecord track;
        memcpy(&track, saved.data() + i * sizeof track, sizeof track);
        const std::string expected = root + "\\Pop\\Corvina " + titles[i] + " 1992.mp3";
        EXPECT_EQ(std::string(track.path), expected);
        EXPECT_EQ(vuvtest::ReadBytes(expected), titles[i]);
    }
    EXPECT_EQ(editor.Close(), 0);
}
