#include "player/Playlist.h"

#include "platform/FileHandle.h"
#include "platform/Paths.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace vuv {

namespace {

bool EqualsIgnoringCase(const std::string& a, const char* b)
{
    return SamePath(a.c_str(), b);
}

// Opens a playlist for reading (shared, no message) and passes over a byte
// order mark; false when it cannot be opened.
bool OpenPlaylist(const std::string& playlist, FileHandle& file, TextLineReader& lines)
{
    file.Open(playlist, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen())
        return false;
    lines.SkipByteOrderMark();
    return true;
}

// The number n of a line that begins with "File<n>=", n in decimal as "%u"
// writes it (no sign, no leading zero), and where its entry starts; false
// for any other line.
bool PlsEntryNumber(const char* line, uint32_t& n, const char*& entry)
{
    if (strncmp(line, "File", 4) != 0 || line[4] < '1' || line[4] > '9')
        return false;
    uint64_t value = 0;
    const char* p = line + 4;
    for (; *p >= '0' && *p <= '9'; ++p)
        if ((value = value * 10 + uint64_t(*p - '0')) > 0xFFFFFFFFu)
            return false;
    if (*p != '=')
        return false;
    n = uint32_t(value);
    entry = p + 1;
    return true;
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
    OpenPlaylist(playlist, file_, lines_);
}

bool PlaylistEntries::Next(std::string& entry)
{
    if (!file_.IsOpen())
        return false;
    char key[32];
    snprintf(key, sizeof key, "File%u=", unsigned(next_));
    const size_t keyLength = strlen(key);
    char line[kPlaylistLineMax + 1];
    while (lines_.ReadLine(line, kPlaylistLineMax)) {
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

std::vector<std::string> NumberedEntries(const std::string& playlist, uint32_t first)
{
    std::vector<std::string> entries;
    FileHandle file;
    TextLineReader lines(file);
    if (first == 0 || !OpenPlaylist(playlist, file, lines))
        return entries;
    bool isPls = false;
    IsPlaylist(playlist, &isPls);
    std::unordered_map<uint32_t, std::string> byNumber;  // PLS: the first line of each number
    uint32_t counted = 0;                                 // M3U: entry lines so far
    char line[kPlaylistLineMax + 1];
    while (lines.ReadLine(line, kPlaylistLineMax)) {
        uint32_t n = 0;
        const char* entry = nullptr;
        if (isPls) {
            if (PlsEntryNumber(line, n, entry) && n >= first)
                byNumber.emplace(n, entry);
        } else if (line[0] != '#' && line[0] != '\0' && ++counted >= first) {
            entries.push_back(line);
        }
    }
    for (uint32_t n = first; isPls; ++n) {
        auto found = byNumber.find(n);
        if (found == byNumber.end())
            break;
        entries.push_back(std::move(found->second));
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        ResolveEntryPath(entries[i], playlist);
        if (entries[i].empty()) {  // reads as no entry, as GetPlaylistEntry's does
            entries.resize(i);
            break;
        }
    }
    return entries;
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

bool AppendQueueRecord(FileHandle& queueFile, const QueueRecord& record)
{
    const uint64_t size = queueFile.Size();
    queueFile.Truncate(size - size % kQueueRecordSize);  // also moves there
    return queueFile.Write(&record, kQueueRecordSize);
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
        for (const std::string& entry : NumberedEntries(record.track.path, record.taken + 1)) {
            QueueRecord single;
            memset(&single, 0, sizeof single);
            SetEntryPath(single.track, entry);
            written = out.Write(&single, kQueueRecordSize) && written;
        }
    }
    return written;
}

}  // namespace vuv
