// The three ways the editor reads a music file through its plug-in, over a
// library of music files, warm cache (every file read once untimed first):
//   - FillTrackFromFile (adding a track), in files/s;
//   - every tag element of the file, one "GetIDTagElement" call each (the
//     tag lister), in files/s;
//   - the tag editor's reads of one file: its fields from the elements,
//     then the Details page's record and text (a "GetTrackInfo" and a
//     "GetStringInfo"), in microseconds per file.
// Each is timed over the whole library `passes` times; the median is
// printed, with the thread's median CPU time beside it.
//
// usage: TagReadBench LIBRARY_FOLDER PLUGIN_FOLDER [passes]
// tools/bench-plugins.sh makes the library and runs it (against an older
// plug-in too, when given one); without arguments it only says so.
#include "core/TrackRecord.h"
#include "platform/Clock.h"
#include "plugins/FileTagEdit.h"
#include "plugins/PluginCalls.h"
#include "plugins/TrackInfo.h"

#include "BenchFolder.h"
#include "MusicLibrary.h"
#include "ThreadCpuTime.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

size_t FillTrack(const std::string& path)
{
    vuv::TrackRecord track;
    memset(&track, 0, sizeof track);
    vuv::SetField(track.path, path);
    char genre[vuv::kGenreTextSize];
    vuv::FillTrackFromFile(track, genre);
    return track.lengthMs != 0;
}

size_t ReadElements(const std::string& path) { return vuv::ReadTagElements(path).size(); }

// As the properties dialog opens on one file: the General page's fields,
// then the Details page.
size_t ReadForTagEditor(const std::string& path)
{
    const vuv::FileTagFields fields = vuv::ReadFileTagFields(path);
    vuv::TrackRecord track;
    memset(&track, 0, sizeof track);
    vuv::SetField(track.path, path);
    vuv::FillTrackFromFile(track, nullptr);
    return fields.title.size() + vuv::BuildTrackDetailsText(track).size();
}

struct Pass {
    double wallMs, cpuMs;
};

// The medians of `passes` passes over every file; `sink` keeps the work
// observable.
Pass MedianPass(const std::vector<std::string>& files, int passes,
                const std::function<size_t(const std::string&)>& read, size_t& sink)
{
    for (const std::string& path : files)  // warm-up, untimed
        sink += read(path);
    std::vector<double> wall, cpu;
    for (int pass = 0; pass < passes; ++pass) {
        const double cpuStart = ThreadCpuMs();
        const uint32_t start = vuv::TickCountMs();
        for (const std::string& path : files)
            sink += read(path);
        wall.push_back(double(vuv::TickCountMs() - start));
        cpu.push_back(ThreadCpuMs() - cpuStart);
    }
    return {Median(wall), Median(cpu)};
}

double PerSecond(size_t count, double ms) { return ms <= 0 ? 0.0 : count * 1000.0 / ms; }

}  // namespace

int main(int argc, char** argv)
{
    MusicLibrary library;
    int exitCode = 0;
    if (!OpenMusicLibrary(argc, argv, "TagReadBench", "tools/bench-plugins.sh", library, exitCode))
        return exitCode;
    const std::vector<std::string>& files = library.files;
    const size_t n = files.size();
    printf("plug-ins: %s; %zu files, median of %d passes, warm cache\n", argv[2], n, library.passes);
    size_t sink = 0;

    const Pass fill = MedianPass(files, library.passes, FillTrack, sink);
    printf("FillTrackFromFile: %.0f files/s (%.0f per CPU second)\n", PerSecond(n, fill.wallMs),
           PerSecond(n, fill.cpuMs));
    const Pass elements = MedianPass(files, library.passes, ReadElements, sink);
    printf("all tag elements: %.0f files/s (%.0f per CPU second)\n", PerSecond(n, elements.wallMs),
           PerSecond(n, elements.cpuMs));
    const Pass editor = MedianPass(files, library.passes, ReadForTagEditor, sink);
    printf("tag editor's reads: %.0f us per file (%.0f us CPU)\n", editor.wallMs * 1000.0 / n,
           editor.cpuMs * 1000.0 / n);
    return sink == 0 ? 1 : 0;
}
