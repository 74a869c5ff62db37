// A file's attributes, for the one operation that changes them on purpose:
// the tag editor of a single file makes a read-only file writable first.
#pragma once

#include <string>

namespace vuv {

// Sets the file's attributes to normal (no read-only, hidden, system or
// archive bit). False when they could not be set (no such file, no right).
bool ClearFileAttributes(const std::string& path);

}  // namespace vuv
