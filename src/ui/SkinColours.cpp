#include "ui/SkinColours.h"

#include "platform/FileHandle.h"

#include <cstdlib>

namespace vuv {

namespace {

constexpr int kColourCount = 10;
constexpr int kLineLimit = 260;

}  // namespace

SkinColours ParseSkinColours(const std::vector<std::string>& lines)
{
    auto number = [&](size_t line, bool& present) {
        present = line < lines.size();
        return present ? int(std::strtol(lines[line].c_str(), nullptr, 10)) : 0;
    };
    int components[kColourCount][3] = {};
    for (int colour = 0; colour < kColourCount; ++colour) {
        for (int c = 0; c < 3; ++c) {
            bool present = false;
            int value = number(size_t(colour * 3 + c), present);
            components[colour][c] = present ? value : (colour > 0 ? components[colour - 1][c] : 0);
        }
    }
    SkinColours colours;
    COLORREF* slots[kColourCount] = {&colours.listBackground,     &colours.listText,
                                     &colours.queueShadow,        &colours.selectedBackground,
                                     &colours.selectedText,       &colours.queueSelectedShadow,
                                     &colours.labelText,          &colours.labelShadow,
                                     &colours.playlistText,       &colours.notInSelectionText};
    for (int colour = 0; colour < kColourCount; ++colour) {
        const int* rgb = components[colour];
        *slots[colour] = RGB(BYTE(rgb[0]), BYTE(rgb[1]), BYTE(rgb[2]));
    }
    for (int c = 0; c < 3; ++c) {
        bool present = false;
        colours.gradientStart[c] = number(size_t(kColourCount * 3 + c), present);
        colours.gradientEnd[c] = number(size_t(kColourCount * 3 + 3 + c), present);
    }
    return colours;
}

SkinColours ReadColours(const std::string& path)
{
    FileHandle file;
    file.Open(path, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    std::vector<std::string> lines;
    if (file.IsOpen()) {
        char line[kLineLimit + 1];
        while (lines.size() < kColourCount * 3 + 6 && ReadTextLine(file, line, kLineLimit))
            lines.emplace_back(line);
    }
    return ParseSkinColours(lines);
}

}  // namespace vuv
