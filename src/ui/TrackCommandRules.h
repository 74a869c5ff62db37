// Rules of the track list's commands that are plain data: the order in
// which "Play Album" hands an album over, the artist's MusicMoz address,
// and the bytes that "Copy" and "Create Playlist Using Selected Tracks"
// hand to other programs.
#pragma once

#include "core/TrackRecord.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vuv {

// The host of the MusicMoz web directory of artists; the program adds the
// artist's path to it.
constexpr const char* kMusicMozHost = "http://musicmoz.org";

// The indexes of the tracks whose album equals `album` byte for byte, in
// track-number order; tracks of equal numbers keep their collection order.
std::vector<size_t> AlbumPlayOrder(TrackRecord* const* tracks, size_t count, const char* album);

// The artist as a MusicMoz directory name: blanks become "_", words of 3
// characters or more begin with a capital and everything else is lower
// case, and a leading "The_" moves to the end as ",_The".
std::string MusicMozDirectory(const std::string& artist);
// kMusicMozHost + "/Bands_and_Artists/<first character>/<directory>/".
std::string MusicMozAddress(const std::string& artist);

// The clipboard's file-drop block for `paths`: a 20-byte header whose
// first field (the offset of the list) is 20 and whose other fields are 0
// (ANSI names, no drop point), then each path with its NUL, then one more
// NUL.
std::string FileDropBlock(const std::vector<std::string>& paths);

}  // namespace vuv
