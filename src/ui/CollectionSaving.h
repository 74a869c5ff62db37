// The editor's save of the collection, without the window's part (the sort
// that keeps the focused row, the repaint): the store written to a file,
// with the user asked whether to try again after each failed write, and the
// selection index rebuilt from the file as saved.
#pragma once

#include "selection/SelectionIndex.h"

#include <string>

namespace vuv {

class CollectionStore;

constexpr const char* kSaveErrorTitle = "Vo Varar Odududaroz";

// Writes the store to `path`; after a failed write asks "Error saving
// '<file>'." (Retry and Cancel, stop icon) and on Retry writes the whole
// file again. A file the store refuses to save over (it was not read at
// load) is named in a warning instead. Then rebuilds the selection index
// and the marks, also after Cancel. False when nothing was saved: the
// previous file is then whole and the store unchanged.
bool SaveCollectionAsking(CollectionStore& store, const std::string& path, const SelectionFiles& files);

}  // namespace vuv
