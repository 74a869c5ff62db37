// Export presets (".dxp"): the export inputs field by field, little-endian,
// no header: each text as a u32 n (its length + 1) followed by its n bytes
// (the text and its NUL), each switch as one byte 0 or 1, in this order:
// layout, top text, bottom text, artist headings, text before and after the
// artist, album headings, text before and after the album, destination
// (1 = clipboard), HTML.
//
// A preset is loaded whole or not at all: a length field beyond its input's
// limit, a file that ends early or goes on after the last field, a text
// without its NUL (or with one inside) and a switch other than 0 or 1 each
// refuse the whole file, with the reason.
#pragma once

#include "export/ExportInputs.h"

#include <string>

namespace vuv {

constexpr const char* kPresetExtension = ".dxp";

enum class PresetStatus {
    Loaded,
    NotOpened,  // the file could not be opened: nothing loaded, nothing said
    Refused,    // the file is not a preset this program can take
};

struct PresetLoad {
    PresetStatus status = PresetStatus::NotOpened;
    // For Refused: "The preset '<file name>' was not loaded: <reason>."
    std::string message;
};

// Reads the preset at `path` into `inputs`, which stay as they were unless
// the result is Loaded.
PresetLoad ReadExportPreset(const std::string& path, ExportInputs& inputs);

// Writes the inputs as a preset, the previous file staying whole until the
// new one is complete; texts beyond their limits are cut so that the file
// loads again. False when it was not written.
bool WriteExportPreset(const std::string& path, const ExportInputs& inputs);

// The name a chosen preset file gets: ".dxp" appended when it has no
// extension ("dxp" after a trailing ".").
std::string PresetPathWithExtension(const std::string& chosenPath);

}  // namespace vuv
