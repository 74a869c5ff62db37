// The editor's main window.
#pragma once

#include <windows.h>

namespace vuv {

// Creates the main window and runs its message loop; the exit code.
int RunMainWindow(HINSTANCE instance, int show);

}  // namespace vuv
