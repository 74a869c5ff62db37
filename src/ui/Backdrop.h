// The backdrop of the main window: the skin's "Editor\backdrop.jpg" when it
// can be read, otherwise a left-to-right gradient between the skin's two
// gradient colours, as large as the desktop. The background paint tiles it;
// buttons and bars are composed onto it.
#pragma once

#include "ui/SkinColours.h"
#include "ui/SkinImage.h"

#include <string>

namespace vuv {

// One component of the gradient at column x of a bitmap `width` wide:
// start + (end - start) * x / width in integers, taken modulo 256.
int GradientComponent(int start, int end, int x, int width);

// `picturePath` is the skin's backdrop picture (it may not exist).
SkinImage BuildBackdrop(const SkinColours& colours, const std::string& picturePath);

// The generated gradient of `width` x `height`: the first row is set pixel
// by pixel, the rest filled by doubling block copies of it.
SkinImage GradientBackdrop(const SkinColours& colours, int width, int height);

}  // namespace vuv
