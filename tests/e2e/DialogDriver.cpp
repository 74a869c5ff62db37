#include "e2e/DialogDriver.h"

#include "e2e/EditorDriver.h"
#include "support/TestSupport.h"

namespace vuvtest {
namespace {

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<ControlSearch*>(lp);
    if (GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

void SendMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

HWND FindControl(HWND top, int id)
{
    ControlSearch search{id, nullptr};
    EnumChildWindows(top, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ClickClient(HWND window, int x, int y, bool right)
{
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    Pause(100);
    POINT at{x, y};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    Pause(100);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    Pause(50);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    Pause(300);
}

void ClickControl(HWND control)
{
    RECT r{};
    GetClientRect(control, &r);
    ClickClient(control, r.right / 2, r.bottom / 2);
}

void PressKey(WORD key)
{
    SendKey(key, false);
    SendKey(key, true);
    Pause(150);
}

void TypeText(const std::string& text)
{
    for (char c : text) {
        SendKey(WORD(VkKeyScanA(c) & 0xFF), false);
        SendKey(WORD(VkKeyScanA(c) & 0xFF), true);
    }
    Pause(200);
}

bool AnswerFileDialog(DWORD processId, const char* title, const std::string& path)
{
    HWND dialog = WaitForProcessWindow(processId, nullptr, title);
    if (!dialog)
        return false;
    Pause(500);  // the dialog fills its folder view first
    // The file name box: the combo box cmb13 (Wine's open dialog), else the
    // edit edt1 (its save dialog).
    HWND name = FindControl(dialog, 0x47c);
    if (!name)
        name = FindControl(dialog, 0x480);
    if (!name)
        return false;
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(dialog) && IsWindowVisible(dialog); ++i)
        Pause(100);
    return true;
}

bool SaveShot(HWND window, const char* name)
{
    const std::string dir = ScreenshotDir();
    // A maximised window reaches past the screen, which copies as black.
    return dir.empty() || SavePng(IsZoomed(window) ? CaptureClient(window) : CaptureWindow(window), dir + name);
}

}  // namespace vuvtest
