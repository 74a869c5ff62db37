// The skin's colours: ten colours and the two ends of the generated
// backdrop's gradient, read from the skin file "Editor\Colors.txt" (one
// decimal number per line: red, green and blue of each colour, then the
// gradient's start red, green, blue and end red, green, blue).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vuv {

struct SkinColours {
    COLORREF listBackground = 0;       // track list, queue view and edit field background
    COLORREF listText = 0;             // their text
    COLORREF queueShadow = 0;          // shadow of queue view lines
    COLORREF selectedBackground = 0;   // selected rows and lines
    COLORREF selectedText = 0;
    COLORREF queueSelectedShadow = 0;  // shadow of a selected queue line
    COLORREF labelText = 0;            // labels and the status text on the backdrop
    COLORREF labelShadow = 0;          // their one-pixel shadow
    COLORREF playlistText = 0;         // rows whose file is a playlist
    COLORREF notInSelectionText = 0;   // rows outside the selective play
    int gradientStart[3] = {0, 0, 0};  // red, green, blue at the backdrop's left edge
    int gradientEnd[3] = {0, 0, 0};    // at its right edge
};

// `lines` are the lines that could be read, in file order. A colour
// component whose line is missing repeats the same component of the colour
// before it (0 for the first colour); a missing gradient line gives 0. Each
// line is read like strtol in base 10.
SkinColours ParseSkinColours(const std::vector<std::string>& lines);

// Reads the colour file at `path` (lines of at most 260 characters); every
// value is 0 (black) when it cannot be opened.
SkinColours ReadColours(const std::string& path);

}  // namespace vuv
