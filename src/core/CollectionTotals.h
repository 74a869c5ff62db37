// Totals over the whole collection, as the status line, the export and
// vuvtool show them.
#pragma once

#include <cstdint>
#include <string>

namespace vuv {

class CollectionStore;

// Sum over all tracks of lengthMs / 1000 (whole seconds per track).
uint64_t TotalSeconds(const CollectionStore& store);
// Sum of fileSize in bytes.
uint64_t TotalFileSize(const CollectionStore& store);

// "H hours M minutes" when there are hours, else "M minutes S seconds"
// when there are minutes, else "S seconds".
std::string TotalLengthText(uint64_t totalSeconds);

}  // namespace vuv
