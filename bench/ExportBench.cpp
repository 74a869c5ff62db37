// Times the export of a generated collection of 100,000 tracks (see
// GeneratedCollection.h) to a text file, as "Export" runs it: the listing
// built (the tracks sorted for the artist and album headings) and written
// beside the target and moved into place. Once with the
// dialog's first-use inputs, once with a layout of every track symbol in
// width groups; and the first-use listing to the clipboard. Prints the
// median of several runs, in milliseconds. Works in a folder of its own
// under the temporary folder and a settings key of its own.
#include "core/CollectionStore.h"
#include "core/TrackSort.h"
#include "export/CollectionExport.h"
#include "export/ExportFile.h"
#include "platform/Clipboard.h"
#include "platform/FileReplace.h"
#include "platform/Locations.h"
#include "platform/Settings.h"

#include "BenchFolder.h"
#include "GeneratedCollection.h"
#include "ThreadCpuTime.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

using namespace vuv;

namespace {

constexpr size_t kTracks = 100000;
constexpr int kRuns = 5;
constexpr double kTargetMs = 300;

struct Timing {
    double wallMs;
    double cpuMs;
};

// Medians of the wall time and of the thread's CPU time (the machine's two
// cores are shared, so the wall time includes waiting for them).
Timing Median(const std::function<void()>& work)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < kRuns; ++i) {
        const double cpuStart = ThreadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        work();
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        cpu.push_back(ThreadCpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[kRuns / 2], cpu[kRuns / 2]};
}

void Report(const char* what, const Timing& t, double limit)
{
    printf("%-44s %8.1f ms  cpu %6.0f ms", what, t.wallMs, t.cpuMs);
    if (limit > 0)
        printf("  (target %4.0f ms) %s", limit, t.wallMs <= limit ? "ok" : "MISSED");
    printf("\n");
}

}  // namespace

int main()
{
    const std::string folder = BenchScratchFolder("vuvexportbench", false);
    const std::string subkey = "Software\\Halvane\\TonbrookExportBench";
    IsolateBenchRun(subkey.c_str(), folder);
    const std::string collection = folder + "Export Bench.mcc", out = folder + "listing.txt";
    GenerateCollection(collection, kTracks, "E");
    CollectionStore& store = TheCollectionStore();
    store.LoadCollection(collection);

    const ExportInputs firstUse = LoadExportSettings();
    ExportInputs everySymbol = firstUse;
    everySymbol.layout = "[track number xx]{3}[artist]{24}[title]{32}[album]{24}[genre]{16}[year]{5}"
                         "[length]{7}[kbps]{4}[pref]";
    size_t bytes = 0;
    for (const ExportInputs* in : {&firstUse, static_cast<const ExportInputs*>(&everySymbol)}) {
        std::string listing;
        const Timing build = Median([&] { listing = BuildExportListing(store, *in); });
        const Timing write = Median([&] { WriteExportFile(out, listing); });
        const Timing whole = Median([&] { WriteExportFile(out, BuildExportListing(store, *in)); });
        printf("%s: %u tracks, %u bytes\n", in == &firstUse ? "first-use inputs" : "every track symbol",
               unsigned(store.Count()), unsigned(listing.size()));
        Report("  listing built", build, 0);
        Report("  written beside and moved into place", write, 0);
        Report("  export to a text file", whole, kTargetMs);
        bytes = listing.size();
    }
    // Where the time goes: the sort for the headings, and the listing
    // without it.
    ExportInputs noHeadings = firstUse;
    noHeadings.artistHeadings = noHeadings.albumHeadings = false;
    Report("first-use layout, no headings: listing built",
           Median([&] { BuildExportListing(store, noHeadings); }), 0);
    SortState headings;
    headings.sortKey = kSortArtist;
    headings.secondKey = kSortAlbum;
    std::vector<TrackRecord*> order;
    Report("the sort for the artist headings", Median([&] {
               order.assign(store.Order(), store.Order() + store.Count());
               SortTrackPointers(order.data(), order.size(), headings, &store.Genres());
           }),
           0);
    const Timing clipboard =
        Median([&] { PutTextOnClipboard(BuildExportListing(store, firstUse)); });
    Report("first-use inputs to the clipboard", clipboard, 0);

    DeleteFileAt(out);
    DeleteFileAt(collection);
    DeleteFileAt(folder + "Export Bench.mcg");
    RemoveDirectoryA(folder.c_str());
    DeleteKeyTree(SettingsRoot::CurrentUser, subkey.c_str());
    return bytes ? 0 : 1;
}
