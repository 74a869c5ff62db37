// The ways the user names the files to add, as far as they are not
// windows: the folder scan, the expansion of a picked path (a playlist
// gives its entries) and the file pickers' filter lists. Each source builds
// a path list for AddTracks.
#pragma once

#include <string>
#include <vector>

namespace vuv {

class AddProgress;

constexpr const char* kLastFolderPickedSetting = "LastAccessedFolder";
// 0 or missing: the folder scan enters sub-folders; anything else: it
// does not.
constexpr const char* kSearchSubFoldersSetting = "DefaultSearchSubFolders";

// Appends every file below `folder` whose extension an input plug-in
// claims, in the file system's order, depth first; sub-folders are entered
// when `recurse`, except those named "recycler" (any case). Before each
// entry the scan stops when the cancel flag is set and pumps the window
// messages; each file found shows "Found %d Tracks". Folders that cannot be
// read give nothing; a folder whose path would exceed 259 characters is
// not entered. False when the scan was cancelled.
bool ScanFolder(const std::string& folder, std::vector<std::string>& paths, bool recurse,
                AddProgress& progress);

// A picked path into the list: a playlist (".m3u", ".pls") gives its
// entries, those an input plug-in claims, in order; any other path is
// appended as it is. A playlist that cannot be read gives nothing.
void ExpandPickedPath(std::vector<std::string>& paths, const std::string& path);

// The filter list of "Add Individual Music Files" (NUL-separated, ending in
// a double NUL): "Music Files and Playlists" with every format's pattern
// and ";*.m3u;*.pls", then each format's description and pattern.
std::string MusicFilesFilter();
// The filter of the two playlist commands.
std::string PlaylistsFilter();

}  // namespace vuv
