#include "intake/TrackSources.h"

#include "core/TrackRecord.h"
#include "intake/AddTracks.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "player/Playlist.h"
#include "plugins/InputPluginHost.h"

#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace vuv {

namespace {

constexpr size_t kFilterBufferSize = 20000;

bool IsRecycler(const std::string& name)
{
    static const char kRecycler[] = "recycler";
    if (name.size() != sizeof kRecycler - 1)
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (FoldPathChar(static_cast<unsigned char>(name[i])) !=
            FoldPathChar(static_cast<unsigned char>(kRecycler[i])))
            return false;
    return true;
}

// The lines of a text as ReadTextLine reads them one after the other with
// at most `max` characters each, cut at an embedded NUL as a C text is.
std::vector<std::string> TextLines(const std::string& bytes, size_t max)
{
    std::vector<std::string> lines;
    size_t at = 0;
    for (;;) {
        std::string line;
        bool ended = false;
        while (line.size() < max) {
            if (at >= bytes.size()) {
                ended = true;
                break;
            }
            const char c = bytes[at++];
            if (c == '\n')
                break;
            if (c == '\r') {
                ++at;  // the LF of a CR LF pair, or whatever byte follows
                break;
            }
            line += c;
        }
        if (ended && line.empty())
            return lines;
        lines.push_back(line.substr(0, line.find('\0')));
        if (ended)
            return lines;
    }
}

// The entry number of a PLS line "File<n>=...", as the key "File%u=" of
// that number matches it; 0 when the line is no such line.
uint32_t PlsEntryNumber(const std::string& line, size_t& valueAt)
{
    if (line.compare(0, 4, "File") != 0)
        return 0;
    size_t i = 4;
    uint64_t n = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && n <= 0xFFFFFFFFull)
        n = n * 10 + uint64_t(line[i++] - '0');
    if (i == 4 || i >= line.size() || line[i] != '=' || n == 0 || n > 0xFFFFFFFFull || line[4] == '0')
        return 0;
    valueAt = i + 1;
    return uint32_t(n);
}

}  // namespace

std::vector<std::string> PlaylistEntriesByNumber(const std::string& playlist)
{
    std::vector<std::string> entries;
    bool isPls = false;
    IsPlaylist(playlist, &isPls);
    FileHandle file;
    file.Open(playlist, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen())
        return entries;
    std::string bytes;
    char block[65536];
    for (uint32_t got; (got = file.Read(block, sizeof block)) > 0;)
        bytes.append(block, got);
    file.Close();
    const std::vector<std::string> lines = TextLines(bytes, kPlaylistLineMax);
    if (isPls) {
        // The first line of each number, as a lookup by number finds it.
        std::unordered_map<uint32_t, const std::string*> byNumber;
        std::unordered_map<uint32_t, size_t> valueAt;
        for (const std::string& line : lines) {
            size_t at = 0;
            const uint32_t n = PlsEntryNumber(line, at);
            if (n && byNumber.emplace(n, &line).second)
                valueAt[n] = at;
        }
        for (uint32_t n = 1; byNumber.count(n); ++n)
            entries.push_back(byNumber[n]->substr(valueAt[n]));
    } else {
        for (const std::string& line : lines)
            if (!line.empty() && line[0] != '#')
                entries.push_back(line);
    }
    for (std::string& entry : entries)
        ResolveEntryPath(entry, playlist);
    return entries;
}

bool ScanFolder(const std::string& folder, std::vector<std::string>& paths, bool recurse, AddProgress& progress)
{
    for (const FolderEntry& entry : FolderEntries(folder, "*.*")) {
        if (progress.CancelRequested())
            return false;
        progress.Pump();
        if (entry.isFolder) {
            // A folder path that no record can hold also bounds the depth
            // of a folder that links back to one of its parents.
            if (recurse && !IsRecycler(entry.name) && entry.fullPath.size() < kPathTextSize &&
                !ScanFolder(entry.fullPath, paths, recurse, progress))
                return false;
        } else if (IsSupportedFile(entry.fullPath)) {
            paths.push_back(entry.fullPath);
            progress.SetDetail("Found " + std::to_string(paths.size()) + " Tracks");
            progress.Pump();
        }
    }
    return !progress.CancelRequested();
}

void ExpandPickedPath(std::vector<std::string>& paths, const std::string& path)
{
    if (!IsPlaylist(path)) {
        paths.push_back(path);
        return;
    }
    // Entry by entry up to the first empty one, as a lookup by number ends.
    for (const std::string& entry : PlaylistEntriesByNumber(path)) {
        if (entry.empty())
            break;
        if (IsSupportedFile(entry))
            paths.push_back(entry);
    }
}

std::string MusicFilesFilter()
{
    std::string patterns;
    AppendPatternList(patterns);
    patterns += ";*.m3u;*.pls";
    std::string filter = "Music Files and Playlists";
    filter += '\0';
    filter += patterns;
    filter += '\0';
    std::vector<char> pairs(kFilterBufferSize > filter.size() ? kFilterBufferSize - filter.size() : 1, '\0');
    const size_t used = AppendFilterPairs(pairs.data(), pairs.size());
    filter.append(pairs.data(), used);
    filter += '\0';
    return filter;
}

std::string PlaylistsFilter() { return std::string("Playlists (M3U, PLS)\0*.m3u;*.pls\0", 34); }

}  // namespace vuv
