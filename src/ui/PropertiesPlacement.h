// Where the properties dialog opens: 411 x 468 pixels with its top-left
// corner 200 pixels left of and above the mouse pointer, moved back inside
// the desktop work area where it would cross an edge (right and bottom
// first, then left and top, so that a work area smaller than the dialog
// shows its top-left part).
#pragma once

#include <windows.h>

namespace vuv {

constexpr int kPropertiesWidth = 411;
constexpr int kPropertiesHeight = 468;

RECT PropertiesDialogRect(POINT cursor, const RECT& workArea);

}  // namespace vuv
