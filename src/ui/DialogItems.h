// Small helpers for the controls of the editor's dialogs.
//
// User-interface thread only.
#pragma once

#include <windows.h>

#include <string>

namespace vuv {

// The text of control `id` (at most 259 characters).
std::string ItemText(HWND dialog, int id);

// "Browse": the shell's folder browser with the title; a chosen, non-empty
// path replaces the text of control `id`.
void BrowseFolderInto(HWND dialog, int id, const char* title);

// "Set": the "File Creation" window with the text of control `id` (a
// pattern in display form) and the title; when it is confirmed, its pattern
// replaces the text.
void EditPatternIn(HWND dialog, int id, const char* title);

// Cancel of a modal dialog: the button `cancelId`, IDCANCEL (Esc) or
// closing the window ends it with 0. Whether `message` was one of those.
bool EndOnCancel(HWND dialog, UINT message, WPARAM wParam, int cancelId);

}  // namespace vuv
