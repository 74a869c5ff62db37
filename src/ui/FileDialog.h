// The common open and save dialogs, set up one way for every window: the
// owner, the title, a filter, the flags beyond OFN_EXPLORER and
// OFN_HIDEREADONLY, and optionally a setting that names the folder the
// dialog starts in and gets the chosen file's folder back.
//
// User-interface thread only.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

namespace vuv {

struct FileDialogRequest {
    const char* title;
    // Description and pattern pairs, each NUL-ended, the list ended by a
    // second NUL ("Music Collection\0*.mcc\0").
    const char* filter;
    DWORD flags = 0;
    bool save = false;  // the save dialog instead of the open dialog
    // The setting of the starting folder, written with the chosen file's
    // folder (trailing "\") when the user confirms; null: the dialog's own
    // memory of the last folder.
    const char* folderSetting = nullptr;
};

// The chosen file's full path; empty when the user cancelled.
std::string ChooseFile(HWND owner, const FileDialogRequest& request);

// The open dialog with several files allowed (a result buffer of 100,000
// characters): the chosen files' full paths in the order given; empty when
// the user cancelled. The folder setting gets the folder they were picked
// in.
std::vector<std::string> ChooseFiles(HWND owner, const FileDialogRequest& request);

// That dialog's result buffer: one full path, or a folder followed by the
// names picked in it (NUL-separated, ending in a double NUL). The paths in
// order; `folder` gets the folder of the pick (with a trailing "").
std::vector<std::string> PickedPaths(const char* buffer, size_t size, std::string& folder);

}  // namespace vuv
