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

// The outcome of one tag write, as the plug-in reported it.
struct TagWriteOutcome {
    bool written = false;
    // Why not, as a phrase for the user ("the file is read-only"); empty
    // when written. Callers name the file themselves.
    std::string reason;
    // No plug-in writes tags of the file's type: nothing was called.
    bool noPlugin = false;
    // The plug-in refused only this element or value, which the file's tag
    // format does not keep; the file itself can be written.
    bool elementNotKept = false;
    explicit operator bool() const { return written; }
};

// One "SetIDTagElement" call. The plug-in's result tells whether the file
// holds the value (TagWriteResult.h); without a plug-in that writes tags of
// the file's type nothing is called.
TagWriteOutcome WriteTagElement(const std::string& path, const char* name,
                                const std::string& value);

// The text of "GetStringInfo" (empty when the plug-in left it empty).
// `called` (optional) tells whether a plug-in with the export was found.
std::string ReadPluginInfoText(const std::string& path, bool* called = nullptr);

}  // namespace vuv
