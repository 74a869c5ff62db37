// What the export dialog asks for: the layout line, the top and bottom
// texts, the artist and album headings, the destination and the format.
// The dialog remembers them in the settings and in ".dxp" presets.
#pragma once

#include <cstddef>
#include <string>

namespace vuv {

// Sizes of the inputs' buffers, the terminating NUL included: a text holds
// at most one byte less. A preset's length field counts the same way.
constexpr size_t kLayoutLimit = 1000;
constexpr size_t kTopLimit = 10000;
constexpr size_t kBottomLimit = 10000;
constexpr size_t kHeadingTextLimit = 260;

constexpr const char* kDefaultLayout = "[tab][tab][track number][tab][title]";

struct ExportInputs {
    std::string layout;  // expanded once per track
    std::string top;
    std::string bottom;
    bool artistHeadings = true;
    std::string beforeArtist;
    std::string afterArtist;
    bool albumHeadings = true;
    std::string beforeAlbum;
    std::string afterAlbum;
    bool toClipboard = false;  // else to a file
    bool html = false;
};

// The inputs as the settings hold them ("TbpExportLayout" and its kin).
// An empty layout setting gives the default layout; when it was empty (the
// first use) the top text and the texts before the artist and the album
// headings get their defaults too, each where its own setting is empty.
ExportInputs LoadExportSettings();
// Writes every input to its setting (the heading switches inverted).
void StoreExportSettings(const ExportInputs& inputs);

}  // namespace vuv
