// The standard genre names that the tag editor offers: the ID3v1 genres 0
// to 125 in number order, with the extended list's spellings, followed by
// "Undefined" twice (128 entries).
#pragma once

#include <cstddef>

namespace vuv {

constexpr size_t kStandardGenreCount = 128;

extern const char* const kStandardGenres[kStandardGenreCount];

}  // namespace vuv
