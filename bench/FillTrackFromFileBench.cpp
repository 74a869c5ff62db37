// FillTrackFromFile over a library of music files, warm cache: every file
// is read once untimed (so the file system cache and the plug-in are warm),
// then all of them again, timed, `passes` times. Prints files per second.
//
// usage: FillTrackFromFileBench LIBRARY_FOLDER PLUGIN_FOLDER [passes]
// tools/bench-plugins.sh makes the library and runs it; without arguments
// it only says so.
#include "core/TrackRecord.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "plugins/InputPluginHost.h"
#include "plugins/TrackInfo.h"

#include "MusicLibrary.h"
#include "ThreadCpuTime.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// Reads every file once; returns how many got a length from their plug-in.
size_t ReadAll(const std::vector<std::string>& files)
{
    size_t withLength = 0;
    vuv::TrackRecord track;
    char genre[vuv::kGenreTextSize];
    for (const std::string& path : files) {
        memset(&track, 0, sizeof track);
        vuv::SetField(track.path, path);
        vuv::FillTrackFromFile(track, genre);
        if (track.lengthMs != 0)
            ++withLength;
    }
    return withLength;
}

}  // namespace

int main(int argc, char** argv)
{
    MusicLibrary library;
    int exitCode = 0;
    if (!OpenMusicLibrary(argc, argv, "FillTrackFromFileBench", "tools/bench-plugins.sh", library, exitCode))
        return exitCode;
    const std::vector<std::string>& files = library.files;
    const int passes = library.passes;
    std::map<std::string, int> byExtension;
    for (const std::string& path : files)
        ++byExtension[vuv::ExtensionOf(path)];
    printf("files: %zu (", files.size());
    for (const auto& entry : byExtension)
        printf(" %s %d", entry.first.c_str(), entry.second);
    printf(" )\n");

    const size_t readable = ReadAll(files);  // warm-up, untimed
    printf("with stream facts: %zu\n", readable);
    double best = 0, bestCpu = 0;
    for (int pass = 0; pass < passes; ++pass) {
        const double cpuStart = ThreadCpuMs();
        uint32_t start = vuv::TickCountMs();
        ReadAll(files);
        uint32_t ms = vuv::TickCountMs() - start;
        const double cpuMs = ThreadCpuMs() - cpuStart;
        double rate = ms == 0 ? 0.0 : files.size() * 1000.0 / ms;
        double cpuRate = cpuMs <= 0 ? 0.0 : files.size() * 1000.0 / cpuMs;
        printf("pass %d: %u ms wall, %.0f ms CPU, %.0f files/s\n", pass + 1, ms, cpuMs, rate);
        if (rate > best)
            best = rate;
        if (cpuRate > bestCpu)
            bestCpu = cpuRate;
    }
    printf("FillTrackFromFile: %.0f files/s (best of %d passes over %zu files, warm cache; "
           "%.0f files per CPU second of the thread)\n",
           best, passes, files.size(), bestCpu);
    return 0;
}
