// Figures of playlists in the queue: a PLS (and an M3U) of N entries as the
// queue view lists it, as the shuffle expands it, and as the `playlist`
// command lists it (each entry looked up by number, the expansion's work).
// Usage: PlaylistBench [N...] (default 1000 10000). Works in a folder of its
// own under the temporary folder, with a player link of its own.
#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/FileRemoval.h"
#include "platform/Process.h"
#include "player/PlayQueue.h"
#include "player/Playlist.h"
#include "player/QueueView.h"

#include "BenchFolder.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace vuv;

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    FileHandle file;
    file.Open(path, FileAccess::Write, FileDisposition::CreateAlways, false);
    file.Write(text.data(), uint32_t(text.size()));
}

void QueuePlaylist(const std::string& queue, const std::string& playlist)
{
    QueueRecord record;
    memset(&record, 0, sizeof record);
    SetField(record.track.path, playlist);
    WriteText(queue, std::string(reinterpret_cast<const char*>(&record), sizeof record));
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<unsigned> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(unsigned(atoi(argv[i])));
    if (sizes.empty())
        sizes = {1000, 10000};
    const std::string folder = BenchScratchFolder("vuvplaylistbench", false);
    PlayerLink link("vuvplaylistbench_");
    PlayerFiles files;
    files.installFolder = folder;
    files.queue = folder + "u.Enqued";
    files.priorityQueue = folder + "u.PriorityEnqued";
    files.collection = folder + "u.mcc";
    files.selectionIndex = folder + "u.dpc";
    PlayContext context(link, files);
    context.launchPlayer = false;

    for (unsigned n : sizes) {
        for (const char* extension : {".pls", ".m3u"}) {
            const std::string playlist = folder + "list" + extension;
            std::string text = extension[1] == 'p' ? "[playlist]\r\n" : "#EXTM3U\r\n";
            for (unsigned i = 1; i <= n; ++i) {
                char line[160];
                snprintf(line, sizeof line, "D:\\Music\\Artist %u\\Song %u.mp3\r\n", i / 10, i);
                text += (extension[1] == 'p' ? "File" + std::to_string(i) + "=" : std::string()) + line;
            }
            WriteText(playlist, text);

            QueuePlaylist(files.queue, playlist);
            uint32_t start = TickCountMs();
            const size_t lines = BuildQueueView(context).size();
            const uint32_t viewMs = TickCountMs() - start;

            const std::string expanded = folder + "expanded";
            RemoveFile(expanded);
            start = TickCountMs();
            ExpandQueueFile(files.queue, expanded);
            const uint32_t expandMs = TickCountMs() - start;

            start = TickCountMs();
            ShuffleQueue(context);
            const uint32_t shuffleMs = TickCountMs() - start;
            printf("%5u-entry %s: queue view %6u ms (%u lines), expand %6u ms (%u records), shuffle %6u ms\n", n,
                   extension, unsigned(viewMs), unsigned(lines), unsigned(expandMs),
                   unsigned(FileSize(expanded) / kQueueRecordSize), unsigned(shuffleMs));
            RemoveFile(expanded);
            RemoveFile(files.queue);
            RemoveFile(playlist);
        }
    }
    RemoveFile(files.priorityQueue);
    RemoveDirectoryA(folder.c_str());
    return 0;
}
