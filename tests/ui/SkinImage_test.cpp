#include "ui/SkinImage.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const COLORREF kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 200), kWhite = RGB(255, 255, 255), kBlack = 0;

// Writes a 24-bit BMP of w x h pixels whose columns have the given colours;
// false on failure.
bool WriteBmp(const std::string& path, int w, int h, const std::function<COLORREF(int x)>& column)
{
    const int stride = (w * 3 + 3) & ~3;
    BITMAPINFOHEADER info{sizeof info, w, h, 1, 24, BI_RGB, DWORD(stride * h), 0, 0, 0, 0};
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof file + sizeof info + info.biSizeImage), 0, 0, sizeof file + sizeof info};
    std::string b = std::string(reinterpret_cast<const char*>(&file), sizeof file) +
                    std::string(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            b += {char(GetBValue(column(x))), char(GetGValue(column(x))), char(GetRValue(column(x)))};
        b.append(size_t(stride - w * 3), '\0');
    }
    return vuvtest::WriteBytes(path, b);
}

std::vector<COLORREF> Row(HDC dc, int y, int width)
{
    std::vector<COLORREF> row;
    for (int x = 0; x < width; ++x)
        row.push_back(GetPixel(dc, x, y));
    return row;
}

}  // namespace

TEST(SkinImage, LoadsPicturesThroughTheSystemLoader)
{
    vuvtest::ScratchFolder folder;
    ASSERT_TRUE(WriteBmp(folder.File("a.bmp"), 3, 2, [](int x) { return x == 0 ? kRed : kBlue; }));
    vuv::SkinImage image = vuv::LoadSkinImage(folder.File("a.bmp"));
    EXPECT_EQ(image.Width(), 3);  // HIMETRIC rounded back to the exact pixels
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(Row(image.Dc(), 1, 3), (std::vector<COLORREF>{kRed, kBlue, kBlue}));
    // Transparent: the corner's colour becomes the button face.
    EXPECT_EQ(Row(vuv::LoadSkinImage(folder.File("a.bmp"), true).Dc(), 0, 2),
              (std::vector<COLORREF>{GetSysColor(COLOR_BTNFACE), kBlue}));

    // Missing and damaged files give empty images that draw nothing.
    EXPECT_TRUE(vuv::LoadSkinImage(folder.File("absent.bmp")).Empty());
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("bad.bmp"), "BM not really a bitmap"));
    EXPECT_TRUE(vuv::LoadSkinImage(folder.File("bad.bmp")).Empty());
    vuv::SkinImage().Draw(image.Dc(), 0, 0);
    EXPECT_EQ(GetPixel(image.Dc(), 0, 0), kRed);
}

TEST(SkinImage, MasksComposeOntoTheBackdropAndDrawThrough)
{
    vuvtest::ScratchFolder folder;
    // Images black where their masks (left two columns) are white.
    ASSERT_TRUE(WriteBmp(folder.File("b.bmp"), 4, 2, [](int x) { return x < 2 ? kBlack : kBlue; }));
    ASSERT_TRUE(WriteBmp(folder.File("b-mask.bmp"), 4, 2, [](int x) { return x < 2 ? kWhite : kBlack; }));
    ASSERT_TRUE(WriteBmp(folder.File("c.bmp"), 4, 2, [](int) { return kBlack; }));
    vuv::SkinImage backdrop;
    ASSERT_TRUE(backdrop.CreateBlank(10, 10));
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            SetPixelV(backdrop.Dc(), x, y, RGB(x * 20, y * 20, 7));
    vuv::SkinImage image = vuv::LoadSkinImage(folder.File("b.bmp"));
    ASSERT_TRUE(vuv::ComposeOntoBackdrop(image, backdrop, 3, 4, folder.File("b.bmp")));
    EXPECT_EQ(Row(image.Dc(), 1, 4), (std::vector<COLORREF>{RGB(60, 100, 7), RGB(80, 100, 7), kBlue, kBlue}));
    // The backdrop repeats past its edge; without a mask file nothing changes.
    vuv::SkinImage wrapped = vuv::LoadSkinImage(folder.File("b.bmp"));
    ASSERT_TRUE(vuv::ComposeOntoBackdrop(wrapped, backdrop, 9, 9, folder.File("b.bmp")));
    EXPECT_EQ(Row(wrapped.Dc(), 1, 2), (std::vector<COLORREF>{RGB(180, 0, 7), RGB(0, 0, 7)}));
    vuv::SkinImage plain = vuv::LoadSkinImage(folder.File("c.bmp"));
    EXPECT_FALSE(vuv::ComposeOntoBackdrop(plain, backdrop, 3, 4, folder.File("c.bmp")));
    EXPECT_EQ(GetPixel(plain.Dc(), 0, 0), kBlack);

    // Drawn with its mask, a masked image shows the target through; only
    // the left three columns are drawn.
    vuv::MaskedImage masked = vuv::LoadMaskedImage(folder.File("b.bmp"));
    ASSERT_FALSE(masked.mask.Empty());
    vuv::SkinImage target;
    ASSERT_TRUE(target.CreateBlank(6, 1));
    for (int x = 0; x < 6; ++x)
        SetPixelV(target.Dc(), x, 0, kRed);
    masked.DrawPart(target.Dc(), 1, 0, 3);
    EXPECT_EQ(Row(target.Dc(), 0, 6), (std::vector<COLORREF>{kRed, kRed, kRed, kBlue, kRed, kRed}));
}

TEST(SkinImage, DefaultSkinAndProgramImagesHaveTheirSizes)
{
    const std::string dir = vuvtest::SuiteDir() + "Skins\\Default\\Editor\\";
    // Widths the drawing code relies on: the star strips are cut in tenths,
    // the position knob travels 115 pixels, the volume bar is 72 wide.
    for (auto [name, width] : {std::pair<const char*, int>{"Preferrence", 80}, {"PreferrenceOff", 80},
                               {"volume", 72}, {"PlayPosBack", 116}})
        EXPECT_EQ(vuv::LoadSkinImage(dir + name + ".bmp").Width(), width) << name;

    // The menu images are linked into Vuv.exe.
    HMODULE editor = LoadLibraryExA((vuvtest::SuiteDir() + "Vuv.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(editor, nullptr);
    for (int id : {134, 135, 136})
        EXPECT_EQ(vuv::LoadSkinImage(editor, id, true).Width(), 13) << id;
    FreeLibrary(editor);
}
