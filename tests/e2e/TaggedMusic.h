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

// What a Unix shell script prints (stdout and stderr).
std::string UnixOutput(const std::string& script);

// The tags as the format's own tool lists them: id3v2 -l, metaflac
// --export-tags-to=- or vorbiscomment -l, by extension. Texts are UTF-8.
std::string ListedTags(const std::string& path);

// The MD5 of the decoded audio (lame --decode, flac -d, oggdec), by extension.
std::string DecodedDigest(const std::string& path);

// `vuvtool --collection FILE dump`: one row per track, split at tabs
// (index, artist, title, album, genre, year, track, length, kbps, khz,
// channels, size, preference, volume, played, flags, added, type, path).
std::vector<std::vector<std::string>> DumpedTracks(const std::string& collection);

// The field of `column` of a dumped row (see above), by name.
enum DumpColumn { kDumpArtist = 1, kDumpTitle = 2, kDumpAlbum = 3, kDumpGenre = 4, kDumpYear = 5,
                  kDumpTrack = 6, kDumpPreference = 12, kDumpVolume = 13, kDumpFlags = 15, kDumpPath = 18 };

}  // namespace vuvtest
