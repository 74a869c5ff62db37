// Calls of the tag exports of the plug-in that handles a file, with the
// fixed buffers the plug-ins expect. Each finds the plug-in by the path's
// extension; without one (or without the export) nothing is called.
#pragma once

#include <string>
#include <vector>

namespace vuv {

struct TagElementText {
    std::string name;
    std::string value;
};

// "GetIDTagElement" for index 0, 1, 2, ... until the plug-in gives an empty
// name. A plug-in that never ends is cut off after kMaxTagElements.
constexpr int kMaxTagElements = 10000;
std::vector<TagElementText> ReadTagElements(const std::string& path);

// One "SetIDTagElement" call. True when a plug-in was called (whether it
// wrote the tag is not known).
bool WriteTagElement(const std::string& path, const char* name, const std::string& value);

// The text of "GetStringInfo" (empty when the plug-in left it empty).
// `called` (optional) tells whether a plug-in with the export was found.
std::string ReadPluginInfoText(const std::string& path, bool* called = nullptr);

}  // namespace vuv
