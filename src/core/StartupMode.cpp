#include "core/StartupMode.h"

#include "platform/Paths.h"

namespace vuv {

namespace {

constexpr const char* kTagEditMarker = "<edittag>";
constexpr const char* kSelectiveMarker = "<selective>";

}  // namespace

StartupOptions ParseStartupCommandLine(const std::string& commandLine)
{
    StartupOptions options;
    const size_t tagEdit = commandLine.find(kTagEditMarker);
    if (tagEdit != std::string::npos) {
        options.mode = StartMode::TagEdit;
        options.tagEditPath = commandLine.substr(tagEdit + std::char_traits<char>::length(kTagEditMarker));
        if (options.tagEditPath.size() > kMaxPath - 1)
            options.tagEditPath.resize(kMaxPath - 1);
    } else if (commandLine.find(kSelectiveMarker) != std::string::npos) {
        options.mode = StartMode::Selective;
    }
    return options;
}

bool ClaimEditorInstance(StartMode mode, InstanceEvents& events)
{
    if (mode == StartMode::Normal) {
        if (events.editorRunning.IsSet()) {
            events.setFocus.Set();
            return false;
        }
        events.editorRunning.Set();
    }
    events.close.Reset();
    return true;
}

void ReleaseEditorInstance(StartMode mode, InstanceEvents& events)
{
    if (mode == StartMode::Normal)
        events.editorRunning.Reset();
}

}  // namespace vuv
