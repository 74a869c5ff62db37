// "Refresh From ID Tag" and "Rewrite ID Tag": the collection's data read
// from, or written into, the tags of the selected tracks' files. The track
// list's command asks first (and shows the hourglass around them and
// repaints after them); vuvtool runs them without the question. Neither
// saves the collection.
#pragma once

#include "core/CollectionStore.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vuv {

// The indexes of `selected` that name one of `count` tracks, ascending,
// each once.
std::vector<size_t> TracksInCollectionOrder(const std::vector<size_t>& selected, size_t count);

// The warning about files whose tag was not (wholly) written, from one line
// "'path': reason" per file; at most 20 files are named, then how many more.
std::string UnwrittenTagsMessage(const std::vector<std::string>& lines);

// `selected` holds store indexes (list rows); they are worked in collection
// order, each once, and indexes past the end are ignored.

// Asks "Replace Music Collection Tag information from ID Tag?" when
// `ask`; on Yes (or without the question) refills each selected track's
// album, artist, year, title, track number, channels, kbps, sample rate,
// length and size from its file through FillTrackFromFile. Its other
// fields stay. Whether the command ran.
bool RefreshFromIdTag(CollectionStore& store, const std::vector<size_t>& selected, bool ask);

// Asks the overwrite question when `ask`; on Yes writes, for each selected
// track whose plug-in has "SetIDTagElement": ARTIST, TITLE, ALBUM always;
// YEAR and TRACK ("%d") when not 0; GENRE with the name of the first genre
// slot when the store's genre list is loaded and holds it. Tracks without
// such a plug-in are passed over. A write the plug-in refuses leaves that
// file as it was; the files not wholly written are reported in one warning
// at the end, each with the reason of its first refusal, and counted into
// `unwritten` (optional). Whether the command ran.
bool RewriteIdTag(const CollectionStore& store, const std::vector<size_t>& selected, bool ask,
                  size_t* unwritten = nullptr);

}  // namespace vuv
