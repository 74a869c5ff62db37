// What the benchmarks that make files share: their own scratch folder and
// settings, a median of timed runs, and the removal of the scratch folder.
#pragma once

#include "platform/FileReplace.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Settings.h"

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

// The benchmark's own folder under the temporary folder (trailing "\"),
// emptied first when `fresh`.
inline std::string BenchScratchFolder(const char* name, bool fresh)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + name + "\\";
    if (fresh)
        DeleteTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Settings under the benchmark's own key of HKEY_CURRENT_USER and its
// scratch folder as the install folder, so that a run touches nothing of
// the user's.
inline void IsolateBenchRun(const char* settingsKey, const std::string& folder)
{
    vuv::SetDefaultLocation(vuv::SettingsRoot::CurrentUser, settingsKey);
    vuv::SetInstallFolderForRun(folder);
}
