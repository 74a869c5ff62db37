// "New Track Lookout" (dialog 129): the settings of the suite's folder
// lookout, which watches a folder for new music (the lookout itself is a
// component of the suite outside this program). "Schedule Now" stores the
// settings and asks the suite to run the lookout at once through the event
// "evtTbTriggerFolderWatch"; "&Ok" stores them and closes.
//
// User-interface thread only.
#pragma once

#include <windows.h>

namespace vuv {

// Shows the dialog modally over `owner`.
void NewTrackLookout(HWND owner, HINSTANCE instance);

}  // namespace vuv
