// A music file turned into track data through its input plug-in, and the
// information text about one track that the properties dialog, the play
// control panel and the list's hover tips show.
#pragma once

#include "core/TrackRecord.h"

#include <cstddef>
#include <string>

namespace vuv {

constexpr size_t kGenreTextSize = 260;

// Fills a record from its file. The record must carry its `path`. A record
// that already has an artist or a title is left as it is. Otherwise the
// record is zeroed except `path`, `dateAdded` is set to now (UTC), and the
// stream facts and tags come from the plug-in's "GetTrackInfo"; when that
// gives neither artist nor title, they are taken from the file name
// ("Artist - Title", or the whole name as the title).
// `genreText` (kGenreTextSize bytes, may be null) receives the genre name
// the plug-in reported, or the empty text; mapping it to a genre id is the
// caller's business.
void FillTrackFromFile(TrackRecord& track, char* genreText);

// The full information text of a track: file, location, type, extension,
// length, size, the compression block when it can be computed, preference,
// year, plays, date added, volume boost, and the plug-in's own text
// ("GetStringInfo") after a blank line. "Not Playing" for an empty path.
// Lines end in CR LF.
std::string BuildTrackInfoText(const TrackRecord& track);

// The shorter variant of the tag editor's Details page: the same text
// without the preference, year, plays, date and volume lines.
std::string BuildTrackDetailsText(const TrackRecord& track);

}  // namespace vuv
