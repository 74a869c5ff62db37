// "VUV - Export Collection" (resource 140): the export's inputs, remembered
// in the settings and in ".dxp" presets; "Export" writes the listing of the
// whole collection to the clipboard or to a file.
//
// User-interface thread only.
#pragma once

#include <windows.h>

namespace vuv {

// Runs the dialog over `owner` on the active collection. The collection's
// order is the same afterwards (the export sorts it for its headings and
// back); the caller repaints the list.
void RunExportDialog(HWND owner, HINSTANCE instance);

}  // namespace vuv
