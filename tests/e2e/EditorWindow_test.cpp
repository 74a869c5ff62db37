// Starts the real Vuv.exe, finds its top-level window and closes it the way
// the system does at log-off: WM_CLOSE, then the exit code.
#include "e2e/EditorDriver.h"

#include <gtest/gtest.h>

TEST(EditorWindow, OpensAndClosesOnWmClose)
{
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start()) << "no main window appeared";
    EXPECT_EQ(GetParent(editor.Window()), nullptr);
    EXPECT_TRUE(IsWindowVisible(editor.Window()));
    char title[256] = "";
    GetWindowTextA(editor.Window(), title, sizeof title);
    EXPECT_EQ(std::string(title).rfind("Tonbrook - Music Collection '", 0), 0u) << title;
    EXPECT_EQ(editor.Close(), 0);
}
