// The tags that lie before and after the audio of MPEG, FLAC, Monkey's
// Audio, WavPack, Musepack and True Audio files, found where TagLib finds
// them, with the sizes they claim checked against what they hold.
#pragma once

#include "FileBytes.h"

namespace taglibinput {

// The end of the ID3v2 tag at `at` (its header, frames, padding and
// footer). False when its size reaches beyond the file or its padding is
// not all zero: bytes the tag claims but does not hold (audio, when its
// size was damaged), which rewriting the tag would drop.
bool Id3v2TagEnd(FileBytes& bytes, long at, long& end);

// Moves `end` (the file's length) before the trailing ID3v1 tag and, when
// `withApe`, before the APE tag in front of it. False when the APE tag's
// items do not fill the size it claims, or it claims bytes before `begin`.
bool CutTrailingTags(FileBytes& bytes, long begin, long& end, bool withApe);

}  // namespace taglibinput
