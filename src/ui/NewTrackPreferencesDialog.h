// "New Track Preferences" (dialog 125): the defaults that AddTracks gives
// every new track (preference, artist, album, genres, year, automatic
// volume), the move of new files into an arrangement (root folder and
// pattern, set in the "File Creation" window) and the queueing of new
// tracks. OK stores every value; Cancel or closing stores nothing.
//
// User-interface thread only.
#pragma once

#include <windows.h>

namespace vuv {

// Shows the dialog modally over `owner`.
void NewTrackPreferences(HWND owner, HINSTANCE instance);

}  // namespace vuv
