#include "naming/ArrangedPath.h"

#include "core/PathKey.h"
#include "core/TrackRecord.h"
#include "platform/Paths.h"

#include <cstring>

namespace vuv {

std::string ArrangedPath(const std::string& root, const char* relative, const char* sourcePath)
{
    std::string target = root;
    target += relative;
    target += ExtensionOf(sourcePath);
    CollapseDoubledBackslashes(&target[0]);
    target.resize(strlen(target.c_str()));
    return target;
}

void TargetFolders::MakeFolderOf(const std::string& target)
{
    const std::string folder = FolderOf(target);
    if (known_.insert(FoldedPath(folder)).second)
        CreateFolderChain(folder);
}

}  // namespace vuv
