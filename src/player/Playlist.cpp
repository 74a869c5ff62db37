#include "player/Playlist.h"

#include "platform/FileHandle.h"
#include "platform/Paths.h"

#include <cstdio>
#include <cstring>

namespace vuv {

namespace {

bool EqualsIgnoringCase(const std::string& a, const char* b)
{
    return SamePath(a.c_str(), b);
}

}  // namespace

bool IsPlaylist(const std::string& path, bool* isPls)
{
    const std::string extension = ExtensionOf(path);
    if (EqualsIgnoringCase(extension, ".PLS")) {
        if (isPls)
            *isPls = true;
        return true;
    }
    return EqualsIgnoringCase(extension, ".M3U");
}

PlaylistEntries::PlaylistEntries(const std::string& playlist, uint32_t first)
    : playlist_(playlist), next_(first)
{
    IsPlaylist(playlist, &isPls_);
    file_.Open(playlist, FileAccess::Read, FileDisposition::OpenExisting, false, true);
}

bool PlaylistEntries::Next(std::string& entry)
{
    if (!file_.IsOpen())
        return false;
    char key[32];
    snprintf(key, sizeof key, "File%u=", unsigned(next_));
    const size_t keyLength = strlen(key);
    char line[kPlaylistLineMax + 1];
    while (ReadTextLine(file_, line, kPlaylistLineMax)) {
        if (isPls_) {
            if (strncmp(line, key, keyLength) != 0)
                continue;
            entry = line + keyLength;
            ++next_;
        } else {
            if (line[0] == '#' || line[0] == '\0')
                continue;
            if (++seen_ < next_)
                continue;
            entry = line;
            next_ = seen_ + 1;
        }
        ResolveEntryPath(entry, playlist_);
        return true;
    }
    return false;
}

std::string GetPlaylistEntry(const std::string& playlist, uint32_t n)
{
    std::string entry;
    if (n == 0 || !PlaylistEntries(playlist, n).Next(entry))
        return std::string();
    return entry;
}

void ResolveEntryPath(std::string& entry, const std::string& playlist)
{
    const std::string folder = FolderOf(playlist);
    if (entry.size() >= 1 && entry[0] == '\\' && (entry.size() < 2 || entry[1] != '\\')) {
        const size_t firstSlash = folder.find('\\');
        const std::string drive =
            firstSlash == std::string::npos ? folder : folder.substr(0, firstSlash);
        entry = drive + entry;
        return;
    }
    if (entry.size() >= 2 && (entry[1] == ':' || entry[1] == '\\'))
        return;
    // FolderOf gives the whole text when there is no "\": no folder then.
    entry = (folder.find('\\') == std::string::npos ? std::string() : folder) + entry;
}

void SetEntryPath(TrackRecord& track, const std::string& entry)
{
    SetField(track.path, entry);
}

void TakeNextEntry(FileHandle& queueFile, QueueRecord& head, TrackRecord& out)
{
    memset(&out, 0, sizeof out);
    const std::string playlist(head.track.path, strnlen(head.track.path, kPathTextSize));
    const std::string entry = GetPlaylistEntry(playlist, head.taken + 1);
    if (entry.empty()) {
        queueFile.ShiftTail(kQueueRecordSize, -int64_t(kQueueRecordSize));
        return;
    }
    SetEntryPath(out, entry);
    ++head.taken;
    if (!GetPlaylistEntry(playlist, head.taken + 1).empty())
        queueFile.Write(&head, kQueueRecordSize, kFromStart);
    else
        queueFile.ShiftTail(kQueueRecordSize, -int64_t(kQueueRecordSize));
}

bool ReadQueueHead(FileHandle& queueFile, QueueRecord& head)
{
    if (queueFile.Read(&head, kQueueRecordSize, kFromStart) != kQueueRecordSize)
        return false;
    head.track.path[kPathTextSize - 1] = '\0';
    return true;
}

bool StepBackInPlaylistItem(const std::string& queueFile)
{
    FileHandle file;
    file.Open(queueFile, FileAccess::ReadWrite, FileDisposition::OpenExisting, false, false);
    if (!file.IsOpen())
        return false;
    QueueRecord head;
    if (!ReadQueueHead(file, head) || !IsPlaylist(head.track.path))
        return false;
    bool stepped = false;
    if (head.taken >= 2) {
        head.taken -= 2;
        stepped = true;
    } else {
        head.taken = 0;
    }
    file.Write(&head, kQueueRecordSize, kFromStart);
    return stepped;
}

bool ExpandQueueFile(const std::string& source, const std::string& destination)
{
    FileHandle out;
    out.Open(destination, FileAccess::Write, FileDisposition::OpenAlways, false, true);
    FileHandle in;
    in.Open(source, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!out.IsOpen())
        return false;
    if (!in.IsOpen())
        return !Exists(source);
    out.Seek(0, SeekOrigin::End);
    bool written = true;
    QueueRecord record;
    while (in.Read(&record, kQueueRecordSize) == kQueueRecordSize) {
        record.track.path[kPathTextSize - 1] = '\0';
        if (!IsPlaylist(record.track.path)) {
            written = out.Write(&record, kQueueRecordSize) && written;
            continue;
        }
        const std::string playlist = record.track.path;
        for (uint32_t n = record.taken + 1;; ++n) {
            const std::string entry = GetPlaylistEntry(playlist, n);
            if (entry.empty())
                break;
            QueueRecord single;
            memset(&single, 0, sizeof single);
            SetEntryPath(single.track, entry);
            written = out.Write(&single, kQueueRecordSize) && written;
        }
    }
    return written;
}

}  // namespace vuv
