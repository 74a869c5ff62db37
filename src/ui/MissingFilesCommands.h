// "Highlight Missing Files" and "Locate Missing Files" of the collection
// menu: the folder browser, the messages and the save around the search
// of selection/MissingFiles.
//
// User-interface thread only.
#pragma once

#include <windows.h>

namespace vuv {

class CollectionHost;
class TrackList;

// Marks the tracks whose file is gone and says how many there are.
void HighlightMissingFilesCommand(TrackList& list);
// Asks for a folder, repoints the missing tracks to files found in its
// tree, says how many were found and saves the collection through `host`.
void LocateMissingFilesCommand(HWND window, TrackList& list, CollectionHost& host);

}  // namespace vuv
