#include "plugins/InputPluginHost.h"

#include "platform/Paths.h"
#include "platform/Locations.h"
#include "core/TrackRecord.h"

#include <cstring>

namespace vuv {

namespace {

template <typename Function>
Function ExportOf(const DynamicLibrary& library, const char* name)
{
    // Exports are looked up as data addresses and turned into the typed
    // function pointer here, in one place.
    return reinterpret_cast<Function>(library.Symbol(name));
}

// The suite's plug-in folder. The install folder of the run is whatever was
// determined first; when nothing was yet, the executable's folder.
std::string DefaultPluginFolder()
{
    return GetSuiteFolder(kInputPluginFolder, false);
}

std::string& FolderOverride()
{
    static std::string folder;
    return folder;
}

std::unique_ptr<InputPluginHost>& HostSlot()
{
    static std::unique_ptr<InputPluginHost> host;
    return host;
}

}  // namespace

InputPluginHost::InputPluginHost(const std::string& folder)
{
    for (const FolderEntry& entry : FolderEntries(folder, "*.dll"))
        if (!entry.isFolder)
            LoadModule(entry.fullPath);
}

InputPluginHost::~InputPluginHost()
{
    formats_.clear();
    modules_.clear();
}

void InputPluginHost::LoadModule(const std::string& path)
{
    auto module = std::make_unique<PluginModule>();
    memset(module->path, 0, sizeof module->path);
    if (!module->library.Load(path))
        return;
    SetField(module->path, path);
    const DynamicLibrary& lib = module->library;
    module->whatFormats = ExportOf<WhatFormatsFunction>(lib, "WhatFormats");
    module->getTrackInfo = ExportOf<GetTrackInfoFunction>(lib, "GetTrackInfo");
    module->createANewDecoderObject = lib.Symbol("CreateANewDecoderObject");
    module->deleteADecoderObject = lib.Symbol("DeleteADecoderObject");
    module->outputWantsABlockOfData = lib.Symbol("OutputWantsABlockOfData");
    module->showAboutOptionsPage = lib.Symbol("ShowAboutOptionsPage");
    module->skipTo = lib.Symbol("SkipTo");
    module->setVolume = lib.Symbol("SetVolume");
    module->pause = lib.Symbol("Pause");
    module->unPause = lib.Symbol("UnPause");
    module->getStringInfo = ExportOf<GetStringInfoFunction>(lib, "GetStringInfo");
    module->setIDTagElement = ExportOf<SetIDTagElementFunction>(lib, "SetIDTagElement");
    module->getIDTagElement = ExportOf<GetIDTagElementFunction>(lib, "GetIDTagElement");
    PluginModule& added = *module;
    modules_.push_back(std::move(module));

    if (added.whatFormats == nullptr)
        return;
    // The two buffers are not cleared between calls: the suite's plug-ins
    // are written against buffers that keep what they wrote last.
    char extension[kFormatTextSize] = "";
    char description[kFormatTextSize] = "";
    for (int index = 0;; ++index) {
        added.whatFormats(index, extension, description);
        extension[kFormatTextSize - 1] = '\0';
        description[kFormatTextSize - 1] = '\0';
        if (extension[0] == '\0')
            break;
        auto format = std::make_unique<FormatEntry>();
        memset(format.get(), 0, sizeof(FormatEntry));
        SetField(format->extension, extension);
        SetField(format->description, description);
        SetField(format->pluginPath, added.path);
        formats_.push_back(std::move(format));
    }
}

const PluginModule* InputPluginHost::FindPluginForExtension(const std::string& extension) const
{
    for (const auto& format : formats_) {
        if (!SamePath(format->extension, extension.c_str()))
            continue;
        for (const auto& module : modules_)
            if (strcmp(module->path, format->pluginPath) == 0)
                return module.get();
    }
    return nullptr;
}

bool InputPluginHost::IsSupportedExtension(const std::string& extension) const
{
    for (const auto& format : formats_)
        if (SamePath(format->extension, extension.c_str()))
            return true;
    return false;
}

InputPluginHost& PluginHost()
{
    std::unique_ptr<InputPluginHost>& host = HostSlot();
    if (!host)
        host = std::make_unique<InputPluginHost>(PluginFolder());
    return *host;
}

void SetPluginFolder(const std::string& folder)
{
    HostSlot().reset();
    FolderOverride() = folder;
    EnsureTrailingBackslash(FolderOverride());
}

std::string PluginFolder()
{
    return FolderOverride().empty() ? DefaultPluginFolder() : FolderOverride();
}

const PluginModule* FindPluginForExtension(const std::string& extension)
{
    return PluginHost().FindPluginForExtension(extension);
}

bool IsSupportedExtension(const std::string& extension)
{
    return PluginHost().IsSupportedExtension(extension);
}

bool IsSupportedFile(const std::string& path) { return IsSupportedExtension(ExtensionOf(path)); }

void AppendPatternList(std::string& text)
{
    bool first = true;
    for (const auto& format : PluginHost().Formats()) {
        if (!first)
            text += ';';
        first = false;
        text += '*';
        text += format->extension;
    }
}

size_t AppendFilterPairs(char* buffer, size_t size)
{
    size_t used = 0;
    if (buffer == nullptr)
        return 0;
    for (const auto& format : PluginHost().Formats()) {
        size_t description = strlen(format->description);
        size_t extension = strlen(format->extension);
        // description NUL '*' extension NUL, and the final NUL after it.
        size_t need = description + 1 + 1 + extension + 1;
        if (used + need + 1 > size)
            break;
        memcpy(buffer + used, format->description, description + 1);
        used += description + 1;
        buffer[used++] = '*';
        memcpy(buffer + used, format->extension, extension + 1);
        used += extension + 1;
    }
    return used;
}

}  // namespace vuv
