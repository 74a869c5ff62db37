// The library of music files that the plug-in benchmarks run on, from
// their arguments: LIBRARY_FOLDER PLUGIN_FOLDER [passes]. The scripts that
// make the library (tools/bench-*.sh) pass them; tools/bench.sh runs every
// benchmark without arguments, and these then only say so.
#pragma once

#include "platform/Paths.h"
#include "plugins/InputPluginHost.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

struct MusicLibrary {
    std::vector<std::string> files;  // every file a plug-in claims, folders entered
    int passes = 3;
};

inline void CollectMusicFiles(const std::string& folder, std::vector<std::string>& files)
{
    for (const vuv::FolderEntry& entry : vuv::FolderEntries(folder, "*.*")) {
        if (entry.isFolder)
            CollectMusicFiles(entry.fullPath + "\\", files);
        else if (vuv::IsSupportedFile(entry.fullPath))
            files.push_back(entry.fullPath);
    }
}

// Points the plug-in host at the plug-in folder and collects the library.
// False when the benchmark cannot run; `exitCode` is then the program's
// result (0 without arguments, 1 for a library without music files).
inline bool OpenMusicLibrary(int argc, char** argv, const char* name, const char* script, MusicLibrary& library,
                             int& exitCode)
{
    exitCode = 0;
    if (argc < 3) {
        printf("%s: no library given; run %s\n", name, script);
        return false;
    }
    std::string folder = argv[1];
    vuv::EnsureTrailingBackslash(folder);
    vuv::SetPluginFolder(argv[2]);
    library.passes = argc > 3 ? atoi(argv[3]) : 3;
    CollectMusicFiles(folder, library.files);
    if (library.files.empty()) {
        fprintf(stderr, "no supported files in %s (plug-ins in %s)\n", folder.c_str(), argv[2]);
        exitCode = 1;
        return false;
    }
    return true;
}
