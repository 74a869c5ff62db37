#include "plugins/PluginCalls.h"

#include "core/TrackRecord.h"
#include "platform/Paths.h"
#include "plugins/InputPluginHost.h"

#include <vector>

namespace vuv {

namespace {

// Plug-ins take a writable path buffer of the program's path size.
struct PathBuffer {
    explicit PathBuffer(const std::string& path) { SetField(text, path); }
    char text[kPathTextSize];
};

}  // namespace

std::vector<TagElementText> ReadTagElements(const std::string& path)
{
    std::vector<TagElementText> elements;
    const PluginModule* plugin = FindPluginForExtension(ExtensionOf(path));
    if (plugin == nullptr || plugin->getIDTagElement == nullptr)
        return elements;
    PathBuffer file(path);
    std::vector<char> name(kElementNameSize), value(kElementValueSize);
    for (int index = 0; index < kMaxTagElements; ++index) {
        name[0] = '\0';
        value[0] = '\0';
        plugin->getIDTagElement(file.text, index, name.data(), value.data());
        name.back() = '\0';
        value.back() = '\0';
        if (name[0] == '\0')
            break;
        elements.push_back({name.data(), value.data()});
    }
    return elements;
}

bool WriteTagElement(const std::string& path, const char* name, const std::string& value)
{
    const PluginModule* plugin = FindPluginForExtension(ExtensionOf(path));
    if (plugin == nullptr || plugin->setIDTagElement == nullptr)
        return false;
    PathBuffer file(path);
    std::string nameText = name;
    std::string valueText = value;
    plugin->setIDTagElement(file.text, &nameText[0], &valueText[0]);
    return true;
}

std::string ReadPluginInfoText(const std::string& path, bool* called)
{
    const PluginModule* plugin = FindPluginForExtension(ExtensionOf(path));
    if (called != nullptr)
        *called = plugin != nullptr && plugin->getStringInfo != nullptr;
    if (plugin == nullptr || plugin->getStringInfo == nullptr)
        return std::string();
    PathBuffer file(path);
    std::vector<char> text(kPluginInfoTextSize, '\0');
    plugin->getStringInfo(file.text, text.data());
    text.back() = '\0';
    return text.data();
}

}  // namespace vuv
