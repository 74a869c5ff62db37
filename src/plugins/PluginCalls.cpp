#include "plugins/PluginCalls.h"

#include "core/TrackRecord.h"
#include "platform/Paths.h"
#include "plugins/InputPluginHost.h"
#include "plugins/TagWriteResult.h"

#include <vector>

namespace vuv {

namespace {

// Plug-ins take a writable path buffer of the program's path size.
struct PathBuffer {
    explicit PathBuffer(const std::string& path) { SetField(text, path); }
    char text[kPathTextSize];
};

std::string TagWriteFailureText(int result)
{
    switch (result) {
    case tagwrite::kFileMissing: return "the file does not exist";
    case tagwrite::kFileIsFolder: return "it is a folder, not a file";
    case tagwrite::kFileReadOnly: return "the file is read-only";
    case tagwrite::kFileInUse: return "the file is in use or cannot be written";
    case tagwrite::kFileUnreadable:
        return "the input plug-in cannot read it as a music file of its type";
    case tagwrite::kLayoutDamaged:
        return "its tag or layout is damaged (a size claims bytes that are not its own), "
               "and writing would cut the audio";
    case tagwrite::kElementNotKept: return "its tag format does not keep this element or value";
    case tagwrite::kAudioWouldChange: return "writing the tag would have changed the audio";
    case tagwrite::kNoTemporaryCopy: return "no temporary copy could be made beside it";
    default: return "the input plug-in did not write it";
    }
}

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

TagWriteOutcome WriteTagElement(const std::string& path, const char* name,
                                const std::string& value)
{
    TagWriteOutcome outcome;
    const PluginModule* plugin = FindPluginForExtension(ExtensionOf(path));
    if (plugin == nullptr || plugin->setIDTagElement == nullptr) {
        outcome.reason = "no input plug-in writes tags of its type";
        outcome.noPlugin = true;
        return outcome;
    }
    PathBuffer file(path);
    std::string nameText = name;
    std::string valueText = value;
    const int result = plugin->setIDTagElement(file.text, &nameText[0], &valueText[0]);
    outcome.written = result > 0;
    outcome.elementNotKept = result == tagwrite::kElementNotKept;
    if (!outcome.written)
        outcome.reason = TagWriteFailureText(result);
    return outcome;
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
