// Driving the editor's dialogs from the test process as a user would: real
// mouse clicks and key presses (SendInput) on the screen, controls found by
// their ids, and the common file dialogs answered with a path.
#pragma once

#include <windows.h>

#include <string>

namespace vuvtest {

// A control anywhere below `top` (in child dialogs too) by its id.
HWND FindControl(HWND top, int id);

// The window comes to the front; a click at a point of its client area; a
// click in the middle of a control.
void ClickClient(HWND window, int x, int y);
void ClickControl(HWND control);
// Presses and releases a key (a virtual-key code) in the foreground window.
void PressKey(WORD key);
// Types the text (letters and digits) into the focused control.
void TypeText(const std::string& text);

// Waits for the process's file dialog titled `title`, enters `path` as its
// file name and confirms it; false when no such dialog came up.
bool AnswerFileDialog(DWORD processId, const char* title, const std::string& path);

// Waits (up to `timeoutMs`) until the window is closed or hidden; whether it is.
bool WaitUntilGone(HWND window, DWORD timeoutMs = 10000);

}  // namespace vuvtest
