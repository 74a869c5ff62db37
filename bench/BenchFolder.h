// What the benchmarks that make files share: a median of timed runs and
// the removal of their own scratch folder.
#pragma once

#include "platform/FileReplace.h"
#include "platform/Paths.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Deletes a folder tree (the benchmark's own files only).
inline void DeleteTree(const std::string& folder)
{
    for (const vuv::FolderEntry& e : vuv::FolderEntries(folder, "*.*")) {
        if (e.isFolder)
            DeleteTree(e.fullPath + "\\");
        else
            vuv::DeleteFileAt(e.fullPath);
    }
    RemoveDirectoryA(folder.c_str());
}
