// Deleting one file, silently: the caller decides what a failure means.
#pragma once

#include <string>

namespace vuv {

// True when the file was deleted.
bool RemoveFile(const std::string& path);

}  // namespace vuv
