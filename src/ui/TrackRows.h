// The rows of the track list: row i is record i of the active collection,
// read straight from where the collection is kept (no copy per row).
#pragma once

#include "core/TrackRecord.h"

#include <cstddef>
#include <string>

namespace vuv {

size_t RowCount();
TrackRecord& RowTrack(size_t row);
// The joined genre names of a record of the collection.
std::string RowGenreText(const TrackRecord& track);
// Reads the active collection (again); the window title's collection name.
void LoadRows();
std::string CollectionTitle();

}  // namespace vuv
