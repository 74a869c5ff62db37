// Deleting one file, silently: the caller decides what a failure means.
#pragma once

#include <string>

namespace vuv {

// True when the file was deleted.
bool RemoveFile(const std::string& path);

// What deleting a file came to, for callers that tell the user.
struct FileDeletion {
    bool deleted = false;  // the file is gone now (also when it was gone before)
    bool wasMissing = false;
    std::string reason;    // why it is still there; empty when it is gone
};
FileDeletion DeleteFileReporting(const std::string& path);

}  // namespace vuv
