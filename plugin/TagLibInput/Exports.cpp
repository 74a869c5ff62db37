// The five exports the suite's programs call, by name, as plain cdecl C
// functions (TagLibInput.def keeps the 32-bit names undecorated). Paths and
// texts are ANSI; buffer sizes are the callers' fixed ones below. No C++
// exception ever leaves an export: a file that cannot be handled leaves the
// out-values as the caller set them. The results (1 done, 0 not) are for
// callers that want them; the editor reads only SetIDTagElement's, whose
// negative values tell why a tag was not written (TagWriteResult.h). The
// three reading exports answer from one reading of the file, kept until the
// file changes or a tag is written (FileReading.h).
#include "AnsiText.h"
#include "FileReading.h"
#include "Formats.h"
#include "SafeTagWrite.h"
#include "TagWriteResult.h"

#include <cstdint>
#include <cstring>

using namespace taglibinput;

namespace {

constexpr size_t kFormatTextSize = 260;
constexpr size_t kTagFieldSize = 100;
constexpr size_t kGenreSize = 260;
constexpr size_t kInfoTextSize = 20000;
constexpr size_t kElementNameSize = 1000;
constexpr size_t kElementValueSize = 10000;

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
        const std::shared_ptr<const FileReading> reading = ReadMusicFile(path);
        if (!reading)
            return 0;
        SetIfGiven(fileSize, reading->fileSize);
        if (!reading->parsed)
            return 0;
        if (reading->hasAudio) {
            SetIfGiven(kbps, reading->kbps);
            SetIfGiven(sampleRate, reading->sampleRate);
            SetIfGiven(channels, reading->channels);
            SetIfGiven(lengthMs, reading->lengthMs);
        }
        if (artist != nullptr)
            CopyAnsiBounded(artist, kTagFieldSize, reading->artist);
        if (title != nullptr)
            CopyAnsiBounded(title, kTagFieldSize, reading->title);
        if (album != nullptr)
            CopyAnsiBounded(album, kTagFieldSize, reading->album);
        if (genre != nullptr)
            CopyAnsiBounded(genre, kGenreSize, reading->genre);
        if (reading->hasTag)
            SetIfGiven(yearAndTrack, reading->yearAndTrack);
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
        const std::shared_ptr<const FileReading> reading = ReadMusicFile(path);
        if (!reading || !reading->parsed)
            return 0;
        CopyAnsiBounded(text, kInfoTextSize, reading->infoText);
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
        const std::shared_ptr<const FileReading> reading = ReadMusicFile(path);
        if (!reading)
            return 0;
        const std::vector<TagElement>& elements = reading->elements;
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
    // Forgotten before, so that a failed write leaves nothing cached from
    // a state the file may no longer have, and after, so that a reading
    // taken by another thread meanwhile is not kept.
    ForgetFileReadings();
    int result = tagwrite::kNotWritten;
    try {
        result = WriteTagElementSafely(path, name, value);
    } catch (...) {
    }
    ForgetFileReadings();
    return result;
}

}  // extern "C"
