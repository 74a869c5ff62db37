#include "ui/Backdrop.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(Backdrop, GradientComponentIsIntegerAndWrapsAt256)
{
    EXPECT_EQ(vuv::GradientComponent(0, 255, 0, 256), 0);
    EXPECT_EQ(vuv::GradientComponent(0, 255, 128, 256), 127);  // 255 * 128 / 256 = 127.5, cut
    EXPECT_EQ(vuv::GradientComponent(100, 50, 10, 100), 95);   // falling gradients work too
    EXPECT_EQ(vuv::GradientComponent(200, 400, 50, 100), 44);  // 300 modulo 256
}

TEST(Backdrop, GeneratedGradientIsTheSameOnEveryRow)
{
    vuv::SkinColours colours;
    colours.gradientStart[0] = 10;
    colours.gradientStart[1] = 20;
    colours.gradientStart[2] = 30;
    colours.gradientEnd[0] = 210;
    colours.gradientEnd[1] = 120;
    colours.gradientEnd[2] = 30;
    // A height that is not a power of two, so that the last doubling copy is cut.
    vuv::SkinImage image = vuv::GradientBackdrop(colours, 200, 37);
    ASSERT_FALSE(image.Empty());
    ASSERT_EQ(image.Width(), 200);
    ASSERT_EQ(image.Height(), 37);
    for (int x : {0, 1, 99, 199}) {
        COLORREF expected = RGB(10 + 200 * x / 200, 20 + 100 * x / 200, 30);
        for (int y : {0, 1, 2, 3, 16, 17, 32, 36})
            EXPECT_EQ(GetPixel(image.Dc(), x, y), expected) << x << "," << y;
    }
}

TEST(Backdrop, PictureWinsWhenItCanBeRead)
{
    vuvtest::ScratchFolder folder;
    vuv::SkinColours colours;
    // No picture: the gradient, as large as the desktop.
    vuv::SkinImage generated = vuv::BuildBackdrop(colours, folder.File("backdrop.jpg"));
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(generated.Width(), desktop.right - desktop.left);
    EXPECT_EQ(generated.Height(), desktop.bottom - desktop.top);
    // An empty picture file counts as none.
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("empty.jpg"), ""));
    EXPECT_EQ(vuv::BuildBackdrop(colours, folder.File("empty.jpg")).Width(), desktop.right - desktop.left);
    // A readable picture (any format the loader knows) is used as it is.
    std::string bmp = vuvtest::ReadBytes(vuvtest::SuiteDir() + "Skins\\Default\\Editor\\PlayCntrlPlay.bmp");
    ASSERT_FALSE(bmp.empty());
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("picture.jpg"), bmp));
    vuv::SkinImage picture = vuv::BuildBackdrop(colours, folder.File("picture.jpg"));
    EXPECT_EQ(picture.Width(), 20);
    EXPECT_EQ(picture.Height(), 17);
}
