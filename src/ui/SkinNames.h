// File names of a skin image's companions: the hovered ("-m") and pressed
// ("-d") images of a button and the "-mask" file of any image, each made by
// inserting the suffix before the extension ("Editor\Play.bmp" gives
// "Editor\Play-m.bmp", whose mask is "Editor\Play-m-mask.bmp").
#pragma once

#include <string>

namespace vuv {

std::string SkinVariantPath(const std::string& path, const char* suffix);

inline std::string MaskPathOf(const std::string& path) { return SkinVariantPath(path, "-mask"); }

}  // namespace vuv
