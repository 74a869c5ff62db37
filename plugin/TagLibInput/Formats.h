// The formats the plug-in claims: one entry per file extension, in the
// order "WhatFormats" reports them, each with the TagLib file class that
// reads it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include <tfile.h>

namespace taglibinput {

// How a format lays out its audio and its tags (AudioLayout.h reads each).
enum class LayoutKind {
    TagsAround,  // ID3v2 before the audio; APE and ID3v1 after it
    Flac,        // metadata blocks, then frames
    Ogg,         // pages of packets, the comment packet among them
    Mp4,         // atoms: the audio in "mdat", the sample tables in "moov"
    Asf,         // a header object, then the data and index objects
    Wave,        // RIFF chunks
    Aiff,        // IFF chunks
    Module,      // tracker modules: name fields written in place
};

struct FormatInfo {
    const char* extension;    // with the dot, lower case
    const char* description;  // shown in the suite's file pickers
    const char* formatName;   // first line of the information text
    LayoutKind layout;
};

size_t FormatCount();
// Null past the end.
const FormatInfo* FormatAt(size_t index);

// Opens a file of a known format (under any name: a temporary copy) with
// the TagLib class of its format, for reading and writing. Null when the
// file cannot be opened or parsed. `readAudio` also reads the stream facts
// (slower for some formats). Never throws.
std::unique_ptr<TagLib::File> OpenMusicFile(const FormatInfo& format, const std::wstring& path,
                                            bool readAudio);
// The same on a stream of the caller's, which must outlive the file.
std::unique_ptr<TagLib::File> OpenMusicFile(const FormatInfo& format, TagLib::IOStream& stream,
                                            bool readAudio);

// Whether TagLib finds audio in an opened file. MPEG files open whatever
// their content (TagLib looks for frames only when asked): one must hold a
// frame. The other formats' readers check their own structure.
bool HoldsAudio(TagLib::File& file);

// The format entry of the path's extension, or null.
const FormatInfo* FormatOfPath(const char* path);

}  // namespace taglibinput
