// Music files with real tags for the end-to-end tests of tag editing, made
// and read by Debian's own tools, and the collection as vuvtool dumps it.
#pragma once

#include "support/TestSupport.h"

#include <string>
#include <vector>

namespace vuvtest {

// In `folder`, one second of a tone each: a.mp3 (lame's ID3v2: Corvina,
// Rain, Clouds, 2001, track 3), b.flac (Sleet, Snow), c.ogg (Sleet, Hail);
// and d.wav, a tenth of a second without tags. False when a tool failed.
bool MakeTaggedMusic(const ScratchFolder& folder);

// A line of a new track for vuvtool demo-collection: title "Title", year
// 2001, track 3, one second, volume boost 500, flags `new`.
std::string TrackLine(const std::string& path, const std::string& artist, const std::string& album,
                      const std::string& genres, int preference = 4);

// The tags as the format's own tool lists them: id3v2 -l, metaflac
// --export-tags-to=- or vorbiscomment -l, by extension. Texts are UTF-8.
std::string ListedTags(const std::string& path);

// `vuvtool --collection FILE dump`, one text per track: its artist, title,
// album, genre, year, track number, preference, volume boost and flags
// joined by "|".
std::vector<std::string> DumpedTracks(const std::string& collection);

}  // namespace vuvtest
