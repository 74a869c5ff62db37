#include "ui/Backdrop.h"

#include "platform/FileHandle.h"

namespace vuv {

int GradientComponent(int start, int end, int x, int width)
{
    int value = start + (end - start) * x / width;
    return ((value % 256) + 256) % 256;
}

SkinImage GradientBackdrop(const SkinColours& colours, int width, int height)
{
    SkinImage image;
    if (!image.CreateBlank(width, height))
        return image;
    for (int x = 0; x < width; ++x) {
        SetPixelV(image.Dc(), x, 0,
                  RGB(GradientComponent(colours.gradientStart[0], colours.gradientEnd[0], x, width),
                      GradientComponent(colours.gradientStart[1], colours.gradientEnd[1], x, width),
                      GradientComponent(colours.gradientStart[2], colours.gradientEnd[2], x, width)));
    }
    for (int n = 1; n < height; n *= 2) {
        int rows = n * 2 > height ? height - n : n;
        BitBlt(image.Dc(), 0, n, width, rows, image.Dc(), 0, 0, SRCCOPY);
    }
    return image;
}

SkinImage BuildBackdrop(const SkinColours& colours, const std::string& picturePath)
{
    if (FileSize(picturePath) != 0) {
        SkinImage picture = LoadSkinImage(picturePath);
        if (!picture.Empty())
            return picture;
    }
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    return GradientBackdrop(colours, desktop.right - desktop.left, desktop.bottom - desktop.top);
}

}  // namespace vuv
