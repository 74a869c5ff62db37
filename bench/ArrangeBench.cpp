// Times the arrange pass on 10,000 real files (generated in a folder of its
// own under the temporary folder, about 400 artists and 1,000 albums, the
// pattern "%a\%l\%rr %a - %t"): the pass's own time from its start to its
// end, without the windows and without the save, three runs that each move
// every file to a new root; and BuildPathFromPattern over 100,000 tracks.
// Prints the median of each, with the target.
#include "core/CollectionStore.h"
#include "naming/ArrangeFiles.h"
#include "naming/FilenamePattern.h"
#include "platform/FileHandle.h"
#include "platform/FileReplace.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/Wait.h"
#include "player/PlayerLink.h"

#include "BenchFolder.h"
#include "MadeUpWords.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace vuv;

namespace {

constexpr int kFiles = 10000;
constexpr int kPathTracks = 100000;
constexpr int kRuns = 3;
constexpr const char* kPattern = "%a\\%l\\%rr %a - %t";

TrackRecord MadeUpTrack(int i, const std::vector<std::string>& artists, const std::vector<std::string>& albums)
{
    TrackRecord t;
    memset(&t, 0, sizeof t);
    const uint32_t album = NextMadeUp(uint32_t(albums.size()));
    SetField(t.artist, artists[album % artists.size()]);
    SetField(t.album, albums[album]);
    SetField(t.title, MadeUpWord() + " " + MadeUpWord() + " " + std::to_string(i));
    t.trackNumber = uint8_t(1 + NextMadeUp(14));
    t.year = int16_t(1960 + NextMadeUp(60));
    t.lengthMs = 120000 + NextMadeUp(300000);
    return t;
}

}  // namespace

int main()
{
    const std::string folder = BenchScratchFolder("vuvbench-arrange", true);
    const std::string subkey = "Software\\Halvane\\TonbrookArrangeBench";
    IsolateBenchRun(subkey.c_str(), folder);
    const std::string collection = folder + "bench.mcc";

    std::vector<std::string> artists(400), albums(1000);
    for (std::string& a : artists)
        a = MadeUpWord() + " " + MadeUpWord();
    for (std::string& a : albums)
        a = MadeUpWord() + " " + MadeUpWord();

    // BuildPathFromPattern over 100,000 tracks.
    std::vector<TrackRecord> tracks;
    tracks.reserve(kPathTracks);
    for (int i = 0; i < kPathTracks; ++i)
        tracks.push_back(MadeUpTrack(i, artists, albums));
    std::vector<double> pathMs;
    size_t checksum = 0;
    for (int run = 0; run < 5; ++run) {
        char out[kPathTextSize];
        const auto start = std::chrono::steady_clock::now();
        for (const TrackRecord& t : tracks) {
            BuildPathFromPattern(kPattern, t, "Rock", out);
            checksum += strlen(out);
        }
        pathMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    printf("%-40s %8.1f ms  (%.0f ns a track; checksum %u)\n", "BuildPathFromPattern, 100,000 tracks",
           Median(pathMs), Median(pathMs) * 1e6 / kPathTracks, unsigned(checksum % 1000));

    // 10,000 real files and their collection.
    CollectionStore& store = TheCollectionStore();
    store.LoadCollection(collection);
    const std::string source = folder + "Incoming\\";
    CreateDirectoryA(source.c_str(), nullptr);
    const std::string content(4096, 'm');
    for (int i = 0; i < kFiles; ++i) {
        TrackRecord t = tracks[size_t(i)];
        SetField(t.path, source + std::to_string(i) + (i % 3 ? ".mp3" : ".ogg"));
        FileHandle file;
        file.Open(t.path, FileAccess::Write, FileDisposition::CreateAlways, false);
        file.Write(content.data(), uint32_t(content.size()));
        store.AppendTrack(t);
    }
    store.SaveCollection(collection);
    store.LoadCollection(collection);

    PlayerLink link("vuvbench-arrange-");
    LinkArrangePlayer player(link);
    std::vector<double> passMs, rates;
    size_t moved = 0;
    for (int run = 0; run < kRuns; ++run) {
        const ArrangeSettings settings{folder + "Arranged " + std::to_string(run), kPattern};
        ArrangeSession session(store, settings, player);
        const auto start = std::chrono::steady_clock::now();
        session.Start();
        while (session.Progress() != kArrangeFinished)
            SleepMs(1);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        session.Finish();
        moved = session.Moved();
        passMs.push_back(ms);
        rates.push_back(moved * 1000.0 / ms);
        store.SaveCollection(collection);
    }
    const double rate = Median(rates);
    printf("%-40s %8.1f ms  %6.0f files/s  moved %u of %u  (target 2000 files/s) %s\n",
           "arrange pass, 10,000 files", Median(passMs), rate, unsigned(moved), unsigned(kFiles),
           rate >= 2000 && moved == size_t(kFiles) ? "ok" : "MISSED");

    store.ClearCollection();
    DeleteKeyTree(SettingsRoot::CurrentUser, subkey.c_str());
    DeleteTree(folder);
    return 0;
}
