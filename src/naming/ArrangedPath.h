// Where a music file goes in an arrangement, and the folders made for it:
// what "Arrange Files" and the move of added tracks into the arrangement
// share.
#pragma once

#include <string>
#include <unordered_set>

namespace vuv {

// `root` (ending in "\") + `relative` (what BuildPathFromPattern gives the
// track) + the extension of `sourcePath`. A pattern that starts with an
// empty folder doubles the root's backslash; the file system takes both
// alike, and the path is kept as the next load would clean it, so that a
// later pass finds the file in its place. The result may be longer than a
// path can be: callers check it against kPathTextSize.
std::string ArrangedPath(const std::string& root, const char* relative, const char* sourcePath);

// Makes the folder of each target once per run: asking the file system
// again for a folder made (or found) a moment ago would double the cost of
// a move.
class TargetFolders {
public:
    void MakeFolderOf(const std::string& target);

private:
    std::unordered_set<std::string> known_;  // case folded
};

}  // namespace vuv
