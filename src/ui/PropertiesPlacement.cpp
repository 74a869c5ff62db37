#include "ui/PropertiesPlacement.h"

namespace vuv {

RECT PropertiesDialogRect(POINT cursor, const RECT& workArea)
{
    LONG x = cursor.x - 200, y = cursor.y - 200;
    if (x + kPropertiesWidth > workArea.right)
        x = workArea.right - kPropertiesWidth;
    if (y + kPropertiesHeight > workArea.bottom)
        y = workArea.bottom - kPropertiesHeight;
    if (x < workArea.left)
        x = workArea.left;
    if (y < workArea.top)
        y = workArea.top;
    return RECT{x, y, x + kPropertiesWidth, y + kPropertiesHeight};
}

}  // namespace vuv
