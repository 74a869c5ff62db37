// The track properties and tag editing dialog ("Properties", dialog 111,
// with the pages "General" and "Details"). Track mode edits the selected
// tracks of the collection, one or many at once, records and tags alike;
// file mode edits the tag of one music file without a collection.
//
// User-interface thread only.
#pragma once

#include <windows.h>

#include <string>

namespace vuv {

class CollectionHost;

// "&Edit Tag": the dialog in track mode over `mainWindow` on the rows
// selected in `trackList` (nothing happens without one) of the collection's
// store. On OK the edit is applied (a progress window appears when it takes
// longer than a second), the collection is saved unsorted through
// `collection` (which also saves at once after "Delete a Genre"), and the
// files whose tags were not written are named in one warning. The caller
// suspends its timer meanwhile and redraws the list afterwards.
void EditSelectedTracks(HWND mainWindow, HINSTANCE instance, HWND trackList, CollectionHost& collection);

// The "<edittag>" start: the dialog in file mode, owned by nobody, on the
// file at `path` (taken as it is).
void EditFileTag(HINSTANCE instance, const std::string& path);

}  // namespace vuv
