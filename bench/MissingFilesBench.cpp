// Times the missing files commands on generated files in a folder of its
// own under the temporary folder: "Locate Missing Files" for 10,000
// missing tracks in a tree of 50,000 files (2,500 album folders below 250
// artist folders, names that repeat across albums), and "Highlight Missing
// Files" over 100,000 tracks (the 50,000 files and 50,000 that are gone)
// with the file system's caches warm. Prints the median of three runs of
// each, and what the folder-by-folder search would take, estimated from
// one folder's pass.
#include "platform/Paths.h"
#include "selection/MissingFiles.h"

#include "BenchFolder.h"
#include "MadeUpWords.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace vuv;

namespace {

constexpr int kArtists = 250, kAlbumsEach = 10, kFilesEach = 20;
constexpr size_t kLocateTracks = 10000, kHighlightTracks = 100000;
constexpr int kRuns = 3;

template <typename Work>
double TimeMs(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::vector<TrackRecord*> Order(std::vector<TrackRecord>& tracks)
{
    std::vector<TrackRecord*> order;
    for (TrackRecord& t : tracks)
        order.push_back(&t);
    return order;
}

TrackRecord WithPath(const std::string& path)
{
    TrackRecord t{};
    SetField(t.path, path);
    return t;
}

}  // namespace

int main()
{
    const std::string folder = BenchScratchFolder("vuvbench-missing", true);

    // The tree: track names of an album are "NN Word Word.mp3", drawn from
    // a small vocabulary so that names repeat across albums.
    std::vector<std::string> words(400);
    for (std::string& w : words)
        w = MadeUpWord();
    std::vector<std::string> files;
    for (int a = 0; a < kArtists; ++a) {
        const std::string artist = folder + MadeUpWord() + " " + std::to_string(a) + "\\";
        CreateDirectoryA(artist.c_str(), nullptr);
        for (int b = 0; b < kAlbumsEach; ++b) {
            const std::string album = artist + MadeUpWord() + " " + std::to_string(b) + "\\";
            CreateDirectoryA(album.c_str(), nullptr);
            for (int n = 1; n <= kFilesEach; ++n) {
                char name[16];
                snprintf(name, sizeof name, "%02d ", n);
                files.push_back(album + name + words[NextMadeUp(400)] + " " + words[NextMadeUp(400)] + ".mp3");
                HANDLE h = CreateFileA(files.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
                CloseHandle(h);
            }
        }
    }

    // Locate: 8,000 names that the tree holds, 2,000 that it does not.
    std::vector<TrackRecord> gone;
    for (size_t i = 0; i < kLocateTracks; ++i)
        gone.push_back(WithPath("C:\\Old Music\\" + std::to_string(i % 50) + "\\" +
                                (i % 5 ? FileNameOf(files[NextMadeUp(uint32_t(files.size()))])
                                       : "Nowhere " + std::to_string(i) + ".mp3")));
    std::vector<double> locateMs;
    LocateResult result;
    for (int run = 0; run < kRuns; ++run) {
        std::vector<TrackRecord> tracks = gone;
        std::vector<TrackRecord*> order = Order(tracks);
        locateMs.push_back(TimeMs([&] { result = LocateMissingFiles(order.data(), order.size(), folder); }));
    }
    printf("%-44s %8.1f ms  located %u of %u  (target 2000 ms) %s\n", "Locate Missing Files, 10,000 in 50,000 files",
           Median(locateMs), unsigned(result.located), unsigned(result.missing),
           Median(locateMs) <= 2000 ? "ok" : "MISSED");
    // The folder-by-folder search tests every missing track in each of the
    // 2,751 folders: one folder's tests, times the folders.
    const double oneFolderMs = TimeMs([&] {
        for (const TrackRecord& t : gone)
            Exists(folder + FileNameOf(t.path));
    });
    printf("%-44s %8.1f s   (estimated from one folder: %.1f ms)\n", "  the same folder by folder",
           oneFolderMs * (1 + kArtists * (1 + kAlbumsEach)) / 1000, oneFolderMs);

    // Highlight: the tree's files and as many that are gone, interleaved.
    std::vector<TrackRecord> tracks;
    for (size_t i = 0; i < kHighlightTracks; ++i)
        tracks.push_back(WithPath(i % 2 ? files[i / 2] : folder + "Gone\\" + std::to_string(i) + ".mp3"));
    std::vector<TrackRecord*> order = Order(tracks);
    HighlightMissingFiles(order.data(), order.size());  // warms the caches
    std::vector<double> highlightMs;
    size_t missing = 0;
    for (int run = 0; run < kRuns; ++run)
        highlightMs.push_back(TimeMs([&] { missing = HighlightMissingFiles(order.data(), order.size()).size(); }));
    printf("%-44s %8.1f ms  (%.1f us a track; %u missing)\n", "Highlight Missing Files, 100,000 tracks",
           Median(highlightMs), Median(highlightMs) * 1000 / kHighlightTracks, unsigned(missing));

    DeleteTree(folder);
    return 0;
}
