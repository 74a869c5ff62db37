// The formats the plug-in claims: one entry per file extension, in the
// order "WhatFormats" reports them, each with the TagLib file class that
// reads it.
#pragma once

#include <cstddef>
#include <memory>

#include <tfile.h>

namespace taglibinput {

struct FormatInfo {
    const char* extension;    // with the dot, lower case
    const char* description;  // shown in the suite's file pickers
    const char* formatName;   // first line of the information text
};

size_t FormatCount();
// Null past the end.
const FormatInfo* FormatAt(size_t index);

// Opens an ANSI path with the TagLib class of its extension (compared
// without regard to case). Null when the extension is not claimed or the
// file cannot be opened or parsed. `readAudio` also reads the stream facts
// (slower for some formats). Never throws.
std::unique_ptr<TagLib::File> OpenMusicFile(const char* path, bool readAudio);

// The format entry of the path's extension, or null.
const FormatInfo* FormatOfPath(const char* path);

}  // namespace taglibinput
