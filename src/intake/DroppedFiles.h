// Files the user drops on the main window or pastes as a file-drop list:
// full paths of files, folders and playlists, in the order given. They are
// taken into the collection as the track sources take any other list.
#pragma once

#include <string>
#include <vector>

namespace vuv {

void AddDroppedFiles(const std::vector<std::string>& paths);

}  // namespace vuv
