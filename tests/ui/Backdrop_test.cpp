#include "ui/Backdrop.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(Backdrop, GeneratedGradientIsTheSameOnEveryRow)
{
    vuv::SkinColours colours;
    const int start[3] = {10, 20, 30}, end[3] = {210, 120, 30};
    std::copy(start, start + 3, colours.gradientStart);
    std::copy(end, end + 3, colours.gradientEnd);
    // A height that is not a power of two, so that the last doubling copy is cut.
    vuv::SkinImage image = vuv::GradientBackdrop(colours, 200, 37);
    ASSERT_EQ(image.Width(), 200);
    ASSERT_EQ(image.Height(), 37);
    for (int x : {0, 1, 99, 199})
        for (int y : {0, 1, 2, 3, 16, 17, 32, 36})
            EXPECT_EQ(GetPixel(image.Dc(), x, y), RGB(10 + x, 20 + x / 2, 30)) << x << "," << y;
}

TEST(Backdrop, PictureWinsWhenItCanBeRead)
{
    vuvtest::ScratchFolder folder;
    vuv::SkinColours colours;
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    // No picture, or an empty file: the gradient, as large as the desktop.
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("empty.jpg"), ""));
    for (const char* none : {"backdrop.jpg", "empty.jpg"}) {
        vuv::SkinImage generated = vuv::BuildBackdrop(colours, folder.File(none));
        EXPECT_EQ(generated.Width(), desktop.right - desktop.left) << none;
        EXPECT_EQ(generated.Height(), desktop.bottom - desktop.top) << none;
    }
    // A readable picture (any format the loader knows) is used as it is.
    const std::string bitmap = vuvtest::SuiteDir() + "Skins\\Default\\Editor\\PlayCntrlPlay.bmp";
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("picture.jpg"), vuvtest::ReadBytes(bitmap)));
    vuv::SkinImage picture = vuv::BuildBackdrop(colours, folder.File("picture.jpg"));
    EXPECT_EQ(std::to_string(picture.Width()) + "x" + std::to_string(picture.Height()), "20x17");
}
