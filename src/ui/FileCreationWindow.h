// The "File Creation" window (class "clsFCDialog"): the pattern editor that
// the editor shares with the suite's converter. It edits a filename pattern
// in display form with a live example, a list of elements, a list of
// predefined patterns and the history of the last ten patterns.
#pragma once

#include <windows.h>

#include <string>

namespace vuv {

// Shows the window over `owner` (disabled meanwhile) with the title and the
// pattern, and runs its own message loop until "Ok" or "Cancel". On "Ok"
// the pattern (at most 259 characters) replaces `pattern`, is remembered in
// the history and the result is true; "Cancel" changes nothing. Only one
// window at a time: a second call while one is open returns false at once.
bool EditPattern(HWND owner, std::string& pattern, const std::string& title);

}  // namespace vuv
