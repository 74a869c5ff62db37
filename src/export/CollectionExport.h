// The export of the whole collection as one listing: the top text, then per
// track its artist and album headings when they change and the layout line,
// then the bottom text (see ExportTemplate.h for the symbols).
#pragma once

#include "export/ExportInputs.h"
#include "export/ExportTemplate.h"

#include <string>

namespace vuv {

class CollectionStore;

// The totals over every track of the collection.
ExportTotals ComputeExportTotals(const CollectionStore& store);

// The listing, in the display order; with artist headings sorted by artist
// (ascending, the album second), else with album headings by album (its
// automatic second key, the track number), as the collection would be by
// that sort. The collection itself keeps its order.
//
// Headings: an artist heading (text before + artist + text after, then
// "<br>" in HTML, then CR LF) whenever a track's artist differs, ignoring
// case, from the last heading's (which starts empty, so a first track
// without an artist gets none); a new artist forgets the last album. Album
// headings likewise. A track whose layout expands to nothing gets no line.
std::string BuildExportListing(const CollectionStore& store, const ExportInputs& inputs);

}  // namespace vuv
