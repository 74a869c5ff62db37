#include "ui/WindowPlacement.h"

#include "platform/Settings.h"

#include <cstdint>

namespace vuv {

SavedPlacement LoadPlacement()
{
    SavedPlacement placement;
    if (GetNumber("VUV-Iconic") != 0) {
        placement.kind = SavedPlacement::Minimised;
    } else if (ValueExists("VUV-X")) {
        placement.kind = SavedPlacement::Normal;
        placement.x = int(GetNumber("VUV-X"));
        placement.y = int(GetNumber("VUV-Y"));
        placement.width = int(GetNumber("VUV-W"));
        placement.height = int(GetNumber("VUV-H"));
    }
    return placement;
}

void SavePlacement(bool minimised, bool maximised, int left, int top, int right, int bottom)
{
    for (const char* name : {"VUV-X", "VUV-Y", "VUV-W", "VUV-H", "VUV-Iconic"})
        DeleteValue(name);
    if (minimised) {
        SetNumber(1, "VUV-Iconic");
    } else if (!maximised) {
        SetNumber(uint32_t(left), "VUV-X");
        SetNumber(uint32_t(top), "VUV-Y");
        SetNumber(uint32_t(right - left), "VUV-W");
        SetNumber(uint32_t(bottom - top), "VUV-H");
    }
}

}  // namespace vuv
