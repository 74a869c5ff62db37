#include "intake/TrackSources.h"

#include "core/TrackRecord.h"
#include "intake/AddTracks.h"
#include "platform/Paths.h"
#include "player/Playlist.h"
#include "plugins/InputPluginHost.h"

#include <cstddef>

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

}  // namespace

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
    for (const std::string& entry : NumberedEntries(path, 1))
        if (IsSupportedFile(entry))
            paths.push_back(entry);
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
