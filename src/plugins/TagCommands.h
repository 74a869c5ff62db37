// "Refresh From ID Tag" and "Rewrite ID Tag": the collection's data read
// from, or written into, the tags of the selected tracks' files. The track
// list's command asks first; vuvtool runs them without the question. Wait
// cursor and repaint belong to the caller.
#pragma once

#include "core/GenreList.h"
#include "core/TrackRecord.h"

#include <cstddef>
#include <vector>

namespace vuv {

// Asks "Replace Music Collection Tag information from ID Tag?" when
// `ask`; on Yes (or without the question) refills, in collection order,
// each selected track's album, artist, year, title, track number,
// channels, kbps, sample rate, length and size from its file through
// FillTrackFromFile. Its other fields stay. Indices out of range and
// repeats are ignored. Whether the command ran.
bool RefreshFromIdTag(TrackRecord* tracks, size_t count, const std::vector<size_t>& selected,
                      bool ask);

// Asks the overwrite question when `ask`; on Yes writes, for each selected
// track in collection order whose plug-in has "SetIDTagElement": ARTIST,
// TITLE, ALBUM always; YEAR and TRACK ("%d") when not 0; GENRE with the
// name of the first genre slot when `genres` is loaded and holds it.
// Tracks without such a plug-in are passed over. Whether the command ran.
bool RewriteIdTag(const TrackRecord* tracks, size_t count, const GenreList* genres,
                  const std::vector<size_t>& selected, bool ask);

}  // namespace vuv
