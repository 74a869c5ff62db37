// "Music Collection Preferences" (resource 137): sub-folder scanning, the
// track list's hover tips, the collection's second sort key, and the order
// and visibility of the track list's columns on a property list, with
// "Default Columns" to put them back.
//
// User-interface thread only.
#pragma once

#include "ui/TrackColumns.h"

#include <windows.h>

namespace vuv {

// Runs the dialog over `owner`. "OK" writes the settings, sets the second
// sort key and `popupInfoTips` and rebuilds `order`; "Default Columns" (on
// Yes) resets `order` and every saved column width. True in both cases: the
// caller then rebuilds the list's columns from `order` and the width
// settings. False on "Cancel", nothing changed.
bool RunPreferencesDialog(HWND owner, HINSTANCE instance, ColumnOrder& order, bool& popupInfoTips);

}  // namespace vuv
