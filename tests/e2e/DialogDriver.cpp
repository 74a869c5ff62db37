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
    if (GetDlgCtrlID(hwnd) != search->id)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// One mouse event (`key` 0) or one key going down or up.
void Send(DWORD flags, WORD key = 0)
{
    INPUT input{};
    input.type = key ? INPUT_KEYBOARD : INPUT_MOUSE;
    if (key) {
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
    } else {
        input.mi.dwFlags = flags;
    }
    SendInput(1, &input, sizeof input);
}

}  // namespace

HWND FindControl(HWND top, int id)
{
    ControlSearch search{id, nullptr};
    EnumChildWindows(top, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ClickClient(HWND window, int x, int y)
{
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    POINT at{x, y};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    Pause(100);
    Send(MOUSEEVENTF_LEFTDOWN);
    Send(MOUSEEVENTF_LEFTUP);
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
    Send(0, key);
    Send(KEYEVENTF_KEYUP, key);
    Pause(150);
}

void TypeText(const std::string& text)
{
    for (char c : text)
        PressKey(WORD(VkKeyScanA(c) & 0xFF));
}

bool AnswerFileDialog(DWORD processId, const char* title, const std::string& path)
{
    HWND dialog = WaitForProcessWindow(processId, nullptr, title);
    Pause(500);  // the dialog fills its folder view first
    // The file name box: the combo box cmb13 (Wine's open dialog), else the
    // edit edt1 (its save dialog).
    HWND name = dialog ? FindControl(dialog, 0x47c) : nullptr;
    if (dialog && !name)
        name = FindControl(dialog, 0x480);
    if (!name)
        return false;
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitUntilGone(dialog);
}

bool WaitUntilGone(HWND window, DWORD timeoutMs)
{
    return WaitFor([window] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

}  // namespace vuvtest
