// The readable text "GetStringInfo" gives about a music file.
#pragma once

#include "Formats.h"
#include "TagElements.h"

#include <string>
#include <vector>

namespace taglibinput {

// Lines end in CR LF (the suite shows the text in edit controls):
//   Format, Codec (where the format says more), Bitrate (with "variable"
//   where known), Sample Rate, Channels, Bits per Sample (where known),
//   Length, Tags (the tag types the file holds), then one line per tag
//   element as "NAME :<TAB>value".
// Texts are ANSI; `elements` are the file's (ReadTagElements). The caller
// cuts it to its buffer.
std::string BuildFileInfoText(const FormatInfo& format, TagLib::File& file,
                              const std::vector<TagElement>& elements);

}  // namespace taglibinput
