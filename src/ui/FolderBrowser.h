// The shell's folder browser, set up one way for every window that asks
// for a folder.
//
// User-interface thread only.
#pragma once

#include <windows.h>

#include <string>

namespace vuv {

// Shows the browser over `owner` with the title and no further options.
// The chosen folder's file system path; empty when the user cancelled or
// the chosen item has no path.
std::string ChooseFolder(HWND owner, const char* title);

}  // namespace vuv
