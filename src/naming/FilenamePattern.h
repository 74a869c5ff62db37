// Filename patterns: where a music file lives below a root folder, in terms
// of its tags. A pattern has a display form with bracketed tokens, which the
// user sees and types ("[artist]\[album]\[artist] - [track]"), and a stored
// form with short codes, which the settings hold and BuildPathFromPattern
// reads ("%a\%l\%a - %t"). An element followed by '^' keeps only the first
// character of its value ("%a^\%t" files by initial letter).
#pragma once

#include "core/TrackRecord.h"

#include <cstdint>
#include <string>

namespace vuv {

constexpr const char* kDefaultStoredPattern = "%a\\%a - %t";
// The settings value of the unique counter ("[unique]", "%U").
constexpr const char* kUniqueNumberSetting = "Unique";

struct PatternElement {
    const char* token;  // display form, as listed to the user
    const char* code;   // stored form, upper case
    const char* help;   // what the pattern editor shows beside the token
};
// The nine elements in the order the conversions try them: a token or code
// that begins with another ("%RR", "%R") comes first.
extern const PatternElement kPatternElements[9];

// Rewrites each token (matched without regard to case) into its code in
// upper case; everything else is copied as written. At most 259 characters
// in and out.
std::string DisplayToStored(const std::string& display);
// Rewrites each code (matched without regard to case) into its token in
// lower case. The result is cut to 259 characters.
std::string StoredToDisplay(const std::string& stored);

// Writes into `output` (kPathTextSize bytes) the relative path, folders and
// file name without extension, that the stored pattern gives the track: the
// text values (artist, title, album, the genre text handed in) with the
// characters that file names cannot hold replaced, trailing dots and outer
// spaces removed; numbers as they are; literal pattern text untouched;
// spaces around each '\' stripped. When no file name is left, the file name
// of the track's own path (without extension) is used. Each "%U" draws the
// next unique number from the settings. The track may lack a path and the
// genre text may be empty. Safe on any thread (the unique counter aside).
void BuildPathFromPattern(const char* pattern, const TrackRecord& track, const char* genreText,
                          char* output);
std::string BuildPathFromPattern(const std::string& pattern, const TrackRecord& track,
                                 const std::string& genreText);

// Reads "Unique" (0 when missing), adds 1, stores it back and returns the
// new value; a failed write simply repeats the number next time.
uint32_t NextUniqueNumber();

}  // namespace vuv
