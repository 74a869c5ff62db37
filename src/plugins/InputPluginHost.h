// The one object of the process that knows the input plug-ins: the DLLs of
// the plug-in folder, loaded once, and the file extensions they claim.
// Every question about a music file goes to the plug-in that claims the
// file's extension.
//
// Thread: the user-interface thread only. The host is created, without a
// lock, on the first call of any operation below and lives until the
// process ends; DLLs added to the folder later are seen by the next run.
#pragma once

#include "platform/DynamicLibrary.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vuv {

// The exports the editor calls: plain __cdecl functions under undecorated
// names, as the suite's plug-ins (TagLibInput's Exports.cpp and .def)
// define them; the convention is named so that the 32-bit build, where
// __cdecl and __stdcall differ, calls them as they return. Their results
// are never read, but for SetIDTagElement's, which tells why a tag was not
// written (TagWriteResult.h). Texts are ANSI; sizes are the callers' fixed
// buffer sizes.
using WhatFormatsFunction = int(__cdecl*)(int index, char* extension, char* description);
using GetTrackInfoFunction = int(__cdecl*)(char* path, uint32_t* kbps, uint32_t* sampleRate,
                                           uint32_t* channels, uint32_t* lengthMs,
                                           uint32_t* fileSize, char* artist, char* title,
                                           char* album, uint32_t* yearAndTrack,
                                           uint32_t* preference, char* genre);
using GetStringInfoFunction = int(__cdecl*)(char* path, char* text);
using GetIDTagElementFunction = int(__cdecl*)(char* path, int index, char* name, char* value);
using SetIDTagElementFunction = int(__cdecl*)(char* path, char* name, char* value);

constexpr size_t kFormatTextSize = 260;       // WhatFormats buffers
constexpr size_t kPluginGenreSize = 260;      // GetTrackInfo genre buffer
constexpr size_t kPluginInfoTextSize = 20000; // GetStringInfo buffer
constexpr size_t kElementNameSize = 1000;     // GetIDTagElement name buffer
constexpr size_t kElementValueSize = 10000;   // GetIDTagElement value buffer

// One DLL that loaded. Exports the DLL lacks are null. The player's
// decoding exports are resolved for completeness but never called here.
struct PluginModule {
    char path[260];  // full path as the folder enumeration gave it
    DynamicLibrary library;
    WhatFormatsFunction whatFormats;
    GetTrackInfoFunction getTrackInfo;
    void* createANewDecoderObject;
    void* deleteADecoderObject;
    void* outputWantsABlockOfData;
    void* showAboutOptionsPage;
    void* skipTo;
    void* setVolume;
    void* pause;
    void* unPause;
    GetStringInfoFunction getStringInfo;
    SetIDTagElementFunction setIDTagElement;
    GetIDTagElementFunction getIDTagElement;
};

// One extension a plug-in reported. The link to its module is the module's
// path, compared exactly.
struct FormatEntry {
    char extension[100];  // with the dot, as the plug-in wrote it
    char description[260];
    char pluginPath[260];
};

class InputPluginHost {
public:
    // Loads every "*.dll" of `folder` in the file system's order. DLLs that
    // do not load are skipped silently; a DLL without "WhatFormats" is kept
    // but claims nothing.
    explicit InputPluginHost(const std::string& folder);
    InputPluginHost(const InputPluginHost&) = delete;
    InputPluginHost& operator=(const InputPluginHost&) = delete;
    // Drops the formats, then unloads the modules.
    ~InputPluginHost();

    const std::vector<std::unique_ptr<FormatEntry>>& Formats() const { return formats_; }
    const std::vector<std::unique_ptr<PluginModule>>& Modules() const { return modules_; }

    // The module of the first format entry with this extension (compared
    // without regard to case) whose plug-in path names a loaded module.
    const PluginModule* FindPluginForExtension(const std::string& extension) const;
    bool IsSupportedExtension(const std::string& extension) const;

private:
    void LoadModule(const std::string& path);

    std::vector<std::unique_ptr<FormatEntry>> formats_;
    std::vector<std::unique_ptr<PluginModule>> modules_;
};

// The process's host, created on first use from the plug-in folder (see
// SetPluginFolder).
InputPluginHost& PluginHost();

// Where the host loads from: the suite's "Multiplayer\Input\" folder unless
// set. Setting it drops an existing host (unloading its DLLs), so that the
// next operation loads from the new folder; an empty folder restores the
// default. For tests and tools; the editor never calls it.
void SetPluginFolder(const std::string& folder);
// The folder the host loads (or would load) from, with a trailing "\".
std::string PluginFolder();

// The operations of the process's host.
const PluginModule* FindPluginForExtension(const std::string& extension);
bool IsSupportedExtension(const std::string& extension);
bool IsSupportedFile(const std::string& path);
// Appends "*<ext>" for every format, joined by ";" (*.a;*.b).
void AppendPatternList(std::string& text);
// Writes, from `buffer` on, for every format: description NUL "*<ext>" NUL.
// The caller hands a zero-filled buffer of `size` bytes so that the list
// ends in a double NUL; pairs that would not leave room for that end are
// left out. Returns the number of bytes written.
size_t AppendFilterPairs(char* buffer, size_t size);

}  // namespace vuv
