// The main window's placement between runs: "VUV-X", "VUV-Y", "VUV-W",
// "VUV-H" (the last normal rectangle, absent when the window was
// maximised) and "VUV-Iconic" (minimised at close).
#pragma once

namespace vuv {

struct SavedPlacement {
    enum Kind { Maximised, Minimised, Normal } kind = Maximised;
    int x = 0, y = 0, width = 0, height = 0;  // screen pixels, for Normal
};

SavedPlacement LoadPlacement();

// Deletes the old values, then writes "VUV-Iconic" = 1 for a minimised
// window, the rectangle for a normal one, and nothing for a maximised one
// (so that it opens maximised).
void SavePlacement(bool minimised, bool maximised, int left, int top, int right, int bottom);

}  // namespace vuv
