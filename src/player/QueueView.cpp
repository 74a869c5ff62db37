#include "player/QueueView.h"

#include "player/Playlist.h"
#include "player/QueueRecord.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "selection/SelectivePlay.h"

#include <cstdio>
#include <cstring>

namespace vuv {

namespace {

// The remaining entries of a queued playlist, in one pass over the file.
void AppendPlaylistEntries(const std::string& playlist, uint32_t taken,
                           std::vector<QueueViewLine>& lines)
{
    PlaylistEntries entries(playlist, taken + 1);
    std::string entry;
    for (unsigned shown = 1; entries.Next(entry); ++shown) {
        TrackRecord track = {};
        SetEntryPath(track, entry);
        char text[32];
        snprintf(text, sizeof text, "%2u.  '", shown);
        lines.push_back({kQueueLinePlaylistEntry, text + DisplayName(track) + "'"});
    }
}

void AppendQueueFile(const std::string& queueFile, std::vector<QueueViewLine>& lines)
{
    FileHandle file;
    file.Open(queueFile, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen())
        return;
    QueueRecord record;
    while (file.Read(&record, kQueueRecordSize) == kQueueRecordSize) {
        record.track.path[kPathTextSize - 1] = '\0';
        if (IsPlaylist(record.track.path)) {
            lines.push_back(
                {kQueueLinePlaylist, std::string("Queued Playlist '") + record.track.path + "'"});
            AppendPlaylistEntries(record.track.path, record.taken, lines);
        } else {
            lines.push_back({kQueueLineQueued, "Queued '" + DisplayName(record.track) + "'"});
        }
    }
}

}  // namespace

std::vector<QueueViewLine> BuildQueueView(PlayContext& context)
{
    std::vector<QueueViewLine> lines;
    TrackRecord playing;
    memset(&playing, 0, sizeof playing);
    context.link.trackPlaying.Get(&playing);
    playing.path[kPathTextSize - 1] = '\0';
    if (playing.path[0] != '\0')
        lines.push_back({kQueueLinePlaying, "Playing '" + DisplayName(playing) + "'"});
    else
        lines.push_back({kQueueLineNotPlaying, "Not Playing"});
    AppendQueueFile(context.files.priorityQueue, lines);
    AppendQueueFile(context.files.queue, lines);
    if (context.link.myMusicRandom.IsSet()) {
        lines.push_back({kQueueLineBlank, std::string()});
        lines.push_back({kQueueLineRandom, "Randomly Play Music Collection '" +
                                               BaseNameOf(context.files.collection) + "'" +
                                               SelectivePlayMark(context.files.selectionIndex)});
    }
    return lines;
}

}  // namespace vuv
