// Music files that moved or vanished outside the program: marking the
// tracks whose file is gone ("Highlight Missing Files"), and repointing
// them to files of the same name found in a folder tree ("Locate Missing
// Files"). Plain data in, results out: the window and vuvtool show the
// messages and save the collection.
#pragma once

#include "core/TrackRecord.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vuv {

// Sets `missing` on every track whose file does not exist and clears it on
// the others. The indexes of the missing tracks, ascending.
std::vector<size_t> HighlightMissingFiles(TrackRecord* const* tracks, size_t count);

struct LocateResult {
    size_t missing = 0;  // tracks whose file did not exist when the search began
    size_t located = 0;  // of them, repointed to a file of the tree
};

// Repoints every track whose file does not exist to a file of the same
// name (as the file system compares names) in the tree below `folder`:
// the first folder that holds the name, taking the folders depth first,
// each folder's subfolders (in the order the file system lists them)
// before the folder itself. A repointed track loses its `missing` mark;
// the others that were missing get it. With no missing track the tree is
// not searched.
//
// The result is that of testing, folder by folder in that order, the
// existence of every still missing track's name, but the tree is listed
// once and each name looked up in an index, so the time grows with files
// plus tracks rather than folders times tracks. Names that a search by
// name treats specially (wildcards, trailing dots or blanks, device names,
// "~" of an 8.3 alias) and folders that cannot be listed are tested one by
// one, as a search by name would find them. A link (or junction) that
// leads back to a folder being walked, or to a place a link led to before,
// is not followed: a later visit cannot find what the first did not, and a
// link that loops would never end.
LocateResult LocateMissingFiles(TrackRecord* const* tracks, size_t count, const std::string& folder);

}  // namespace vuv
