// The parts of a music file that a tag write must leave as they are, found
// from the file's own structure: the audio bytes and the facts a player
// needs to play them (chunk sizes, sample tables, Ogg packet sizes and
// granule positions). A tag write is safe when the file's layout before and
// the written file's layout after hold the same facts and the same bytes.
//
// Reading a layout also checks the structure the tag writer relies on: an
// ID3v2 or APE tag must claim no bytes beyond its frames or items but zero
// padding, and no tag, chunk, atom or page may claim bytes beyond the file.
// A file that fails is refused before anything is written: TagLib would
// replace everything a damaged size claims, audio included.
#pragma once

#include "Formats.h"

#include <string>
#include <utility>
#include <vector>

#include <tfile.h>

namespace taglibinput {

struct AudioLayout {
    // (offset, length) in bytes of the audio, in file order; adjacent
    // ranges are merged.
    std::vector<std::pair<long, long>> spans;
    // The structure that must match too, as text.
    std::string facts;
};

// False when the file's structure is damaged as described above.
bool ReadAudioLayout(TagLib::File& file, LayoutKind kind, AudioLayout& layout);

// Whether two files hold the same facts and the same bytes in their spans.
bool SameAudio(TagLib::File& first, const AudioLayout& firstLayout, TagLib::File& second,
               const AudioLayout& secondLayout);

}  // namespace taglibinput
