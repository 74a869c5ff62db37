// "Arrange Files" as a user meets it in the editor: the dialog with its
// defaults, "Set" opening the "File Creation" window where a pattern is
// typed and an element inserted, "Begin >>", the progress window reaching
// "Completed", and the files and the saved collection afterwards.
#include "e2e/EditorDriver.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kArrangeFilesCommand = 40047;
constexpr int kRootEdit = 1066, kPatternEdit = 1021, kSetButton = 1069, kBeginButton = 1068;
constexpr int kProgressText = 1071, kCloseButton = 1069;

class ArrangeFilesWindowTest : public vuvtest::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        std::vector<std::string> lines;
        for (const std::string title : {"Rain", "Dust", "Sand", "Snow"}) {
            ASSERT_TRUE(vuvtest::WriteBytes(folder_.File(title + ".mp3"), title));
            lines.push_back(folder_.File(title + ".mp3") + "\tCorvina\t" + title +
                            "\tErotica\t1992\t1\tPop\t61000\t192\t44100\t2\t5\t0\t0\t500\t1");
        }
        UseCollection("Arrange Test.mcc", lines);
    }
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
    PostMessageA(GetDlgItem(dialog, kSetButton), BM_CLICK, 0, 0);
    HWND editorWindow = vuvtest::WaitForProcessWindow(editor.ProcessId(), "clsFCDialog", nullptr);
    ASSERT_NE(editorWindow, nullptr);
    EXPECT_EQ(vuvtest::WindowText(editorWindow), "Tonbrook - Set File Arrangement");
    HWND combo = FindWindowExA(editorWindow, nullptr, "ComboBox", nullptr);
    HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    HWND example = nullptr;
    for (HWND c = GetWindow(editorWindow, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (vuvtest::WindowText(c).rfind("Example: ", 0) == 0)
            example = c;
    ASSERT_NE(example, nullptr);
    EXPECT_EQ(vuvtest::WindowText(example), "Example: Corvina\\Corvina - Rain");

    // Typing a new pattern; the ':' does not get in.
    SendMessageA(field, EM_SETSEL, 0, -1);
    for (char c : std::string("\b[genre]\\[artist]: [track] "))
        PostMessageA(field, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
    vuvtest::Pause(300);
    EXPECT_EQ(vuvtest::WindowText(combo), "[genre]\\[artist] [track] ");
    // A double click on "[year]" in the element list appends it.
    HWND elements = FindWindowExA(editorWindow, nullptr, "ListBox", nullptr);
    RECT row{};
    SendMessageA(elements, LB_GETITEMRECT, SendMessageA(elements, LB_FINDSTRINGEXACT, WPARAM(-1),
                                                        reinterpret_cast<LPARAM>("[year]")),
                 reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 30, (row.top + row.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(elements, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    EXPECT_TRUE(vuvtest::WaitForText(example, "Example: Pop\\Corvina Rain 1992"));
    vuvtest::SaveScreenshot(editorWindow, "file-creation.png");
    PostMessageA(FindWindowExA(editorWindow, nullptr, "Button", "Ok"), BM_CLICK, 0, 0);
    EXPECT_TRUE(vuvtest::WaitForText(GetDlgItem(dialog, kPatternEdit), "[genre]\\[artist] [track] [year]"));

    // The root, then "Begin >>": the progress window runs to "Completed".
    const std::string root = folder_.File("Arranged");
    SendMessageA(GetDlgItem(dialog, kRootEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(root.c_str()));
    vuvtest::Pause(200);
    vuvtest::SaveScreenshot(dialog, "arrange-dialog.png");
    PostMessageA(GetDlgItem(dialog, kBeginButton), BM_CLICK, 0, 0);
    HWND progress = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Arranging Music Collection");
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(vuvtest::WaitForText(GetDlgItem(progress, kProgressText), "Completed"));
    vuvtest::SaveScreenshot(progress, "arrange-progress.png");
    PostMessageA(GetDlgItem(progress, kCloseButton), BM_CLICK, 0, 0);

    // The files are in their new places, and the collection was saved.
    const std::string moved = root + "\\Pop\\Corvina Snow 1992.mp3";
    EXPECT_EQ(vuvtest::ReadBytes(moved), "Snow");
    EXPECT_NE(vuvtest::ReadBytes(folder_.File("Arrange Test.mcc")).find(moved), std::string::npos);
    EXPECT_EQ(editor.Close(), 0);
}
