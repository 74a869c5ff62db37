// The tag writes of one music file in turn, as the tag editor makes them:
// each through the file's input plug-in, each refusal remembered.
//
// Once the file refused a write for a reason of its own (read-only, in use,
// gone, no room for the copy, damaged), nothing more is written to it: the
// file stays as the writes before left it (each write replaces the file
// whole or not at all), and the caller keeps its own values from that
// element on, so that it holds what the file holds. A refusal of one element
// or value that the file's tag format does not keep blocks nothing.
#pragma once

#include <string>

namespace vuv {

class TagFileWriter {
public:
    explicit TagFileWriter(std::string path) : path_(std::move(path)) {}

    // Sets one tag element. True when the caller may take the value: the
    // file holds it now, or its tag format does not keep this element (the
    // caller alone holds it then), or no plug-in writes tags of the file's
    // type (nothing is called).
    bool Write(const char* name, const std::string& value);

    // A write was refused for a reason of the file's own; nothing more is
    // written.
    bool Blocked() const { return blocked_; }
    // The reason of the first refusal, as a phrase for the user; empty when
    // every write went through.
    const std::string& FirstRefusal() const { return firstRefusal_; }

private:
    std::string path_;
    std::string firstRefusal_;
    bool blocked_ = false;
};

}  // namespace vuv
