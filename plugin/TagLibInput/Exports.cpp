// The five exports the suite's programs call, by name, as plain cdecl C
// functions (TagLibInput.def keeps the 32-bit names undecorated). Paths and
// texts are ANSI; buffer sizes are the callers' fixed ones below. No C++
// exception ever leaves an export: a file that cannot be handled leaves the
// out-values as the caller set them. The results (1 done, 0 not) are for
// callers that want them; the editor reads only SetIDTagElement's, whose
// negative values tell why a tag was not written (TagWriteResult.h).
#include "AnsiText.h"
#include "FileInfoText.h"
#include "Formats.h"
#include "SafeTagWrite.h"
#include "TagElements.h"
#include "TagWriteResult.h"

#include <audioproperties.h>
#include <tag.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

using namespace taglibinput;

namespace {

constexpr size_t kFormatTextSize = 260;
constexpr size_t kTagFieldSize = 100;
constexpr size_t kGenreSize = 260;
constexpr size_t kInfoTextSize = 20000;
constexpr size_t kElementNameSize = 1000;
constexpr size_t kElementValueSize = 10000;

// Bytes on disk, capped at the largest value the 32-bit field holds.
bool FileSizeOf(const char* path, uint32_t& size)
{
    const std::wstring wide = WidePathFromAnsi(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (wide.empty() || !GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data))
        return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    size = data.nFileSizeHigh != 0 ? 0xFFFFFFFFu : data.nFileSizeLow;
    return true;
}

// TagLib reports unknown stream facts as 0, damaged ones possibly below.
uint32_t NonNegative(int value) { return value > 0 ? static_cast<uint32_t>(value) : 0; }

void SetIfGiven(uint32_t* out, uint32_t value)
{
    if (out != nullptr)
        *out = value;
}

}  // namespace

extern "C" {

// Reports format `index`: its extension (".mp3") and description; past the
// last format an empty extension (the description is left as it was).
int __cdecl WhatFormats(int index, char* extension, char* description)
{
    if (extension == nullptr)
        return 0;
    const FormatInfo* format = index >= 0 ? FormatAt(static_cast<size_t>(index)) : nullptr;
    if (format == nullptr) {
        extension[0] = '\0';
        return 0;
    }
    CopyAnsiBounded(extension, kFormatTextSize, format->extension);
    if (description != nullptr)
        CopyAnsiBounded(description, kFormatTextSize, format->description);
    return 1;
}

// Stream facts and the basic tag texts. yearAndTrack: year in bits 0-15,
// track number in bits 16-23; a year or track number that does not fit is
// left out (0) rather than wrapped. Artist, title and album are cut to 99
// bytes, the genre (the first one of the tag) to 259. preference is left
// alone: no common tag holds the suite's preference.
int __cdecl GetTrackInfo(char* path, uint32_t* kbps, uint32_t* sampleRate, uint32_t* channels,
                         uint32_t* lengthMs, uint32_t* fileSize, char* artist, char* title,
                         char* album, uint32_t* yearAndTrack, uint32_t* preference, char* genre)
{
    (void)preference;
    if (path == nullptr)
        return 0;
    try {
        uint32_t size = 0;
        if (FileSizeOf(path, size))
            SetIfGiven(fileSize, size);
        std::unique_ptr<TagLib::File> file = OpenMusicFile(path, true);
        if (!file)
            return 0;
        if (TagLib::AudioProperties* audio = file->audioProperties()) {
            SetIfGiven(kbps, NonNegative(audio->bitrate()));
            SetIfGiven(sampleRate, NonNegative(audio->sampleRate()));
            SetIfGiven(channels, NonNegative(audio->channels()));
            SetIfGiven(lengthMs, NonNegative(audio->lengthInMilliseconds()));
        }
        const TagLib::PropertyMap properties = file->properties();
        if (artist != nullptr)
            CopyAnsiBounded(artist, kTagFieldSize, JoinedValueOf(properties, "ARTIST"));
        if (title != nullptr)
            CopyAnsiBounded(title, kTagFieldSize, JoinedValueOf(properties, "TITLE"));
        if (album != nullptr)
            CopyAnsiBounded(album, kTagFieldSize, JoinedValueOf(properties, "ALBUM"));
        if (genre != nullptr)
            CopyAnsiBounded(genre, kGenreSize, FirstValueOf(properties, "GENRE"));
        if (TagLib::Tag* tag = file->tag()) {
            uint32_t year = tag->year() <= 0xFFFFu ? tag->year() : 0;
            uint32_t track = tag->track() <= 0xFFu ? tag->track() : 0;
            SetIfGiven(yearAndTrack, year | (track << 16));
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

// A readable multi-line text about the file, cut to the 20000-byte buffer;
// left empty when the file cannot be read.
int __cdecl GetStringInfo(char* path, char* text)
{
    if (path == nullptr || text == nullptr)
        return 0;
    try {
        const std::string info = BuildFileInfoText(path);
        if (info.empty())
            return 0;
        CopyAnsiBounded(text, kInfoTextSize, info);
        return 1;
    } catch (...) {
        return 0;
    }
}

// Element `index` of the file's tag (order and names: TagElements.h); past
// the last one, or for a file that cannot be read, an empty name and value.
int __cdecl GetIDTagElement(char* path, int index, char* name, char* value)
{
    if (name == nullptr)
        return 0;
    name[0] = '\0';
    if (value != nullptr)
        value[0] = '\0';
    if (path == nullptr || index < 0)
        return 0;
    try {
        std::unique_ptr<TagLib::File> file = OpenMusicFile(path, false);
        if (!file)
            return 0;
        const std::vector<TagElement> elements = ReadTagElements(*file);
        if (static_cast<size_t>(index) >= elements.size())
            return 0;
        const TagElement& element = elements[static_cast<size_t>(index)];
        CopyAnsiBounded(name, kElementNameSize, element.name);
        if (value != nullptr)
            CopyAnsiBounded(value, kElementValueSize, element.value);
        return 1;
    } catch (...) {
        name[0] = '\0';
        return 0;
    }
}

// Writes one element into the file's tag (names and values: TagElements.h)
// through a checked copy that replaces the file (SafeTagWrite.h).
int __cdecl SetIDTagElement(char* path, char* name, char* value)
{
    if (path == nullptr || name == nullptr)
        return tagwrite::kNotWritten;
    try {
        return WriteTagElementSafely(path, name, value);
    } catch (...) {
        return tagwrite::kNotWritten;
    }
}

}  // extern "C"
