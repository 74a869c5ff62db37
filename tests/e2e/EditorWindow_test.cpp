// Starts the real Vuv.exe, finds its top-level window and closes it the way
// the system does at log-off: WM_CLOSE, then the exit code.
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct WindowOfProcess {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND hwnd, LPARAM lp)
{
    auto* w = reinterpret_cast<WindowOfProcess*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == w->pid && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)) {
        w->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForTopLevelWindow(DWORD pid, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        WindowOfProcess w{pid, nullptr};
        EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&w));
        if (w.found)
            return w.found;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

TEST(EditorWindow, OpensAndClosesOnWmClose)
{
    const std::string exe = vuvtest::SuiteDir() + "Vuv.exe";
    ASSERT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES) << exe;

    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));

    HWND main = WaitForTopLevelWindow(pi.dwProcessId, 30000);
    ASSERT_NE(main, nullptr) << "no top-level window appeared";
    char title[256] = "";
    GetWindowTextA(main, title, sizeof title);
    EXPECT_EQ(std::string(title).rfind("Tonbrook - Music Collection", 0), 0u) << title;

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 30000), WAIT_OBJECT_0) << "did not end";
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}
