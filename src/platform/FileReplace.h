// Replacing, moving and deleting whole files, for saves that must never
// leave a half-written file in place of a good one and for arranging files.
#pragma once

#include <string>

namespace vuv {

enum class ReplaceResult {
    Replaced,
    TargetInUse,  // another program holds the target open without letting it go
    Failed,
};

// Moves `source` over `target` in one step (same volume), replacing it.
ReplaceResult ReplaceFileWith(const std::string& source, const std::string& target);

// Renames `source` to `target`, never overwriting: false when the target
// exists, the source is missing or in use, or the folder refuses. Across
// volumes the system copies and deletes, as its rename rule allows.
bool MoveFileTo(const std::string& source, const std::string& target);

// Deletes a file; false when it could not be deleted (a missing file too).
bool DeleteFileAt(const std::string& path);

}  // namespace vuv
