// Adding a library of new music files to a collection of 100,000 tracks, as
// "Add a Folder of Music Files" does it, from the command to the saved
// collection: the collection loaded, the folder scanned, every file read
// through its plug-in, the defaults applied, the tracks appended, the new
// range sorted and selected, the collection (110,000 tracks) saved with its
// selection index rebuilt. Warm cache: one untimed run first. Prints each
// phase and the files per second of the whole, best and median of the runs.
//
// usage: AddTracksBench LIBRARY_FOLDER PLUGIN_FOLDER [runs]
// tools/bench-intake.sh makes the library and runs it; without arguments it
// only says so. Works in a folder of its own under the temporary folder and
// a settings key of its own.
#include "core/CollectionStore.h"
#include "core/MoveJournal.h"
#include "core/TrackSort.h"
#include "intake/AddTracks.h"
#include "intake/TrackSources.h"
#include "platform/FileReplace.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "plugins/InputPluginHost.h"
#include "selection/SelectionIndex.h"

#include "BenchFolder.h"
#include "GeneratedCollection.h"
#include "ThreadCpuTime.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace vuv;

namespace {

constexpr size_t kTracks = 100000;  // the collection the files are added to

double NowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

class SavingHost : public AddTracksHost {
public:
    bool SaveCollection() override
    {
        // As the programs save: the file, then the selection index rebuilt.
        const double start = NowMs();
        CollectionStore& store = TheCollectionStore();
        const bool saved = bool(store.SaveCollection(store.ActivePath()));
        RefreshSelectionAfterSave(store, store.ActivePath(), UserSelectionFiles());
        saveMs = NowMs() - start;
        return saved;
    }
    double saveMs = 0;
};

struct Run {
    double loadMs, scanMs, addMs, saveMs, totalMs, cpuMs;
    size_t added, count;
};

Run AddOnce(const std::string& base, const std::string& collection, const std::string& library)
{
    CopyFileA(base.c_str(), collection.c_str(), FALSE);
    CopyFileA(GenreListPathFor(base).c_str(), GenreListPathFor(collection).c_str(), FALSE);
    CollectionStore& store = TheCollectionStore();
    store.ClearCollection();
    Run run{};
    const double cpu = ThreadCpuMs();
    const double t0 = NowMs();
    store.LoadCollection(collection);
    const double t1 = NowMs();
    AddProgress progress;
    AddRequest request;
    ScanFolder(library, request.paths, true, progress);
    const double t2 = NowMs();
    request.settings = LoadIntakeSettings();
    request.defaults = LoadNewTrackDefaults();
    request.sort = TheSortState();
    SavingHost host;
    const AddResult result = AddTracks(request, store, progress, host);
    const double t3 = NowMs();
    run = {t1 - t0, t2 - t1, t3 - t2 - host.saveMs, host.saveMs, t3 - t0, ThreadCpuMs() - cpu, result.added,
           store.Count()};
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        printf("AddTracksBench: no library given; run tools/bench-intake.sh\n");
        return 0;
    }
    std::string library = argv[1];
    EnsureTrailingBackslash(library);
    SetPluginFolder(argv[2]);
    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 3;

    const std::string folder = BenchScratchFolder("vuvaddbench", false);
    const std::string subkey = "Software\\Halvane\\TonbrookAddBench";
    IsolateBenchRun(subkey.c_str(), folder);
    const std::string base = folder + "base.mcc", collection = folder + "run.mcc";
    GenerateCollection(base, kTracks, "A");

    const Run warm = AddOnce(base, collection, library);  // file cache and plug-ins warm
    printf("collection: %u tracks; library: %u files added, %u tracks after\n", unsigned(kTracks),
           unsigned(warm.added), unsigned(warm.count));
    std::vector<Run> timed;
    for (int i = 0; i < runs; ++i) {
        const Run r = AddOnce(base, collection, library);
        printf("run %d: load %.0f ms, scan %.0f ms, add %.0f ms, save %.0f ms: %.0f ms wall, %.0f ms CPU, "
               "%.0f files/s\n",
               i + 1, r.loadMs, r.scanMs, r.addMs, r.saveMs, r.totalMs, r.cpuMs, r.added * 1000.0 / r.totalMs);
        timed.push_back(r);
    }
    std::sort(timed.begin(), timed.end(), [](const Run& a, const Run& b) { return a.totalMs < b.totalMs; });
    const Run& best = timed.front();
    const Run& median = timed[timed.size() / 2];
    printf("AddTracks: %.0f files/s best, %.0f files/s median (%u new files to %u tracks, command to saved "
           "collection, warm cache; target 2000 files/s) %s\n",
           best.added * 1000.0 / best.totalMs, median.added * 1000.0 / median.totalMs, unsigned(best.added),
           unsigned(kTracks), median.added * 1000.0 / median.totalMs >= 2000 ? "ok" : "MISSED");

    TheCollectionStore().ClearCollection();
    DeleteKeyTree(SettingsRoot::CurrentUser, subkey.c_str());
    for (const std::string& path : {base, collection})
        for (const std::string& file : std::vector<std::string>{path, GenreListPathFor(path), MoveJournalPathFor(path)})
            DeleteFileAt(file);
    for (const auto& suffix : {kSelectionIndexSuffix, kCriteriaSuffix})
        DeleteFileAt(GetUserFile(suffix, false));
    RemoveDirectoryA(folder.c_str());
    return 0;
}
