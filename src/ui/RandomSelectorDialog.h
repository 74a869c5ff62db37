// The "Random Selector" dialog (133): a number of tracks, or tracks up to a
// total playing time, drawn as random play draws them, marked with user
// highlight #4 and selected in the track list.
//
// User-interface thread only.
#pragma once

#include <windows.h>

namespace vuv {

class TrackList;
struct PlayerFiles;

// Runs the dialog over `owner`; OK draws (from the collection file, the
// selection index and the previously played file of `files`), marks,
// sorts the marked tracks to the top and selects them.
void RunRandomSelector(HWND owner, HINSTANCE instance, TrackList& list, const PlayerFiles& files);

}  // namespace vuv
