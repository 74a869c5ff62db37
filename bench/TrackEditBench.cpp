// The properties dialog's OK on many selected tracks at once: ApplyTrackEdit
// over every music file of a library, changing artist, album and genre (so
// that three tag elements of each file are written through the plug-in).
// Each pass writes other values than the pass before, so that every write
// replaces the file. Prints tracks (files) per second.
//
// usage: TrackEditBench LIBRARY_FOLDER PLUGIN_FOLDER [passes]
// tools/bench-tag-edit.sh makes the library and runs it; without arguments
// it only says so.
#include "core/CollectionStore.h"
#include "core/TrackRecord.h"
#include "platform/Clock.h"
#include "plugins/TrackEdit.h"
#include "plugins/TrackInfo.h"

#include "MusicLibrary.h"
#include "ThreadCpuTime.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    MusicLibrary library;
    int exitCode = 0;
    if (!OpenMusicLibrary(argc, argv, "TrackEditBench", "tools/bench-tag-edit.sh", library, exitCode))
        return exitCode;
    const std::vector<std::string>& files = library.files;
    const int passes = library.passes;
    vuv::CollectionStore store;
    uint64_t bytes = 0;
    std::vector<size_t> rows;
    for (const std::string& path : files) {
        vuv::TrackRecord track = vuv::CreateTrackRecord(path.c_str());
        vuv::FillTrackFromFile(track, nullptr);
        bytes += track.fileSize;
        rows.push_back(store.Count());
        store.AppendTrack(track);
    }
    printf("tracks: %zu, %.1f MB of music files\n", files.size(), double(bytes) / (1024 * 1024));

    double best = 0, bestCpu = 0;
    for (int pass = 0; pass < passes; ++pass) {
        const std::string tag = " " + std::to_string(pass + 1);
        vuv::TrackEdit edit;
        edit.artist = "Bench Artist" + tag;
        edit.album = "Bench Album" + tag;
        edit.genres.push_back({store.Genres().IdFor(("Bench Genre" + tag).c_str(), true), vuv::GenreState::Included});
        const double cpuStart = ThreadCpuMs();
        const uint32_t start = vuv::TickCountMs();
        const vuv::TrackEditResult result = vuv::ApplyTrackEdit(store, rows, edit);
        const uint32_t ms = vuv::TickCountMs() - start;
        const double cpuMs = ThreadCpuMs() - cpuStart;
        const double rate = ms == 0 ? 0.0 : result.tracks * 1000.0 / ms;
        printf("pass %d: %u ms wall, %.0f ms CPU, %.1f files/s, %zu of %zu edited\n", pass + 1, ms, cpuMs, rate,
               result.edited, result.tracks);
        for (size_t i = 0; i < result.unwritten.size() && i < 5; ++i)
            printf("  not written: %s: %s\n", result.unwritten[i].path.c_str(), result.unwritten[i].reason.c_str());
        if (rate > best)
            best = rate;
        if (cpuMs > 0 && result.tracks * 1000.0 / cpuMs > bestCpu)
            bestCpu = result.tracks * 1000.0 / cpuMs;
    }
    printf("ApplyTrackEdit (artist, album, genre): %.1f files/s (best of %d passes over %zu files; "
           "%.1f files per CPU second of the thread)\n",
           best, passes, files.size(), bestCpu);
    return 0;
}
