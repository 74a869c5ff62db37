#include "ui/SkinImage.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A 24-bit bottom-up BMP of w x h pixels.
std::string BmpBytes(int w, int h, const std::function<COLORREF(int, int)>& pixel)
{
    int stride = (w * 3 + 3) & ~3;
    std::string b(54 + stride * h, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, uint32_t(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(w));
    put32(22, uint32_t(h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF c = pixel(x, y);
            size_t at = 54 + size_t(h - 1 - y) * stride + x * 3;
            b[at] = char(GetBValue(c));
            b[at + 1] = char(GetGValue(c));
            b[at + 2] = char(GetRValue(c));
        }
    return b;
}

const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kBlue = RGB(0, 0, 200);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

TEST(SkinImage, LoadsPicturesThroughTheSystemLoader)
{
    vuvtest::ScratchFolder folder;
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("a.bmp"),
                                    BmpBytes(5, 3, [](int x, int) { return x == 0 ? kRed : kBlue; })));
    vuv::SkinImage image = vuv::LoadSkinImage(folder.File("a.bmp"));
    ASSERT_FALSE(image.Empty());
    EXPECT_EQ(image.Width(), 5);  // HIMETRIC rounded back to the exact pixels
    EXPECT_EQ(image.Height(), 3);
    EXPECT_EQ(GetPixel(image.Dc(), 0, 2), kRed);
    EXPECT_EQ(GetPixel(image.Dc(), 4, 0), kBlue);

    // Transparent: the corner's colour becomes the button face.
    vuv::SkinImage faced = vuv::LoadSkinImage(folder.File("a.bmp"), true);
    EXPECT_EQ(GetPixel(faced.Dc(), 0, 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(faced.Dc(), 3, 1), kBlue);

    // Missing, empty and damaged files give empty images that draw nothing.
    EXPECT_TRUE(vuv::LoadSkinImage(folder.File("absent.bmp")).Empty());
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("bad.bmp"), "BM not really a bitmap"));
    { vuv::SkinImage bad = vuv::LoadSkinImage(folder.File("bad.bmp")); EXPECT_TRUE(bad.Empty()) << bad.Width() << "x" << bad.Height(); }
    vuv::SkinImage empty;
    empty.Draw(image.Dc(), 0, 0);
    EXPECT_EQ(GetPixel(image.Dc(), 0, 0), kRed);
}

TEST(SkinImage, ComposeOntoBackdropResolvesTheMask)
{
    vuvtest::ScratchFolder folder;
    // Image: blue, black where the mask (left two columns) is white.
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("b.bmp"),
                                    BmpBytes(4, 2, [](int x, int) { return x < 2 ? kBlack : kBlue; })));
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("b-mask.bmp"),
                                    BmpBytes(4, 2, [](int x, int) { return x < 2 ? kWhite : kBlack; })));
    vuv::SkinImage backdrop;
    ASSERT_TRUE(backdrop.CreateBlank(10, 10));
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            SetPixelV(backdrop.Dc(), x, y, RGB(x * 20, y * 20, 7));

    vuv::SkinImage image = vuv::LoadSkinImage(folder.File("b.bmp"));
    ASSERT_TRUE(vuv::ComposeOntoBackdrop(image, backdrop, 3, 4, folder.File("b.bmp")));
    EXPECT_EQ(GetPixel(image.Dc(), 0, 0), RGB(60, 80, 7));   // backdrop at (3, 4)
    EXPECT_EQ(GetPixel(image.Dc(), 1, 1), RGB(80, 100, 7));  // backdrop at (4, 5)
    EXPECT_EQ(GetPixel(image.Dc(), 2, 0), kBlue);
    EXPECT_EQ(GetPixel(image.Dc(), 3, 1), kBlue);

    // The backdrop repeats when the image lies past its edge.
    vuv::SkinImage wrapped = vuv::LoadSkinImage(folder.File("b.bmp"));
    ASSERT_TRUE(vuv::ComposeOntoBackdrop(wrapped, backdrop, 9, 9, folder.File("b.bmp")));
    EXPECT_EQ(GetPixel(wrapped.Dc(), 0, 0), RGB(180, 180, 7));
    EXPECT_EQ(GetPixel(wrapped.Dc(), 1, 1), RGB(0, 0, 7));

    // Without a mask file the image stays as it was.
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("c.bmp"), BmpBytes(4, 2, [](int, int) { return kBlack; })));
    vuv::SkinImage plain = vuv::LoadSkinImage(folder.File("c.bmp"));
    EXPECT_FALSE(vuv::ComposeOntoBackdrop(plain, backdrop, 3, 4, folder.File("c.bmp")));
    EXPECT_EQ(GetPixel(plain.Dc(), 0, 0), kBlack);
}

TEST(SkinImage, MaskedImageDrawsThroughItsMask)
{
    vuvtest::ScratchFolder folder;
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("m.bmp"),
                                    BmpBytes(4, 1, [](int x, int) { return x < 2 ? kBlack : kRed; })));
    ASSERT_TRUE(vuvtest::WriteBytes(folder.File("m-mask.bmp"),
                                    BmpBytes(4, 1, [](int x, int) { return x < 2 ? kWhite : kBlack; })));
    vuv::MaskedImage masked = vuv::LoadMaskedImage(folder.File("m.bmp"));
    ASSERT_FALSE(masked.Empty());
    ASSERT_FALSE(masked.mask.Empty());
    vuv::SkinImage target;
    ASSERT_TRUE(target.CreateBlank(6, 1));
    for (int x = 0; x < 6; ++x)
        SetPixelV(target.Dc(), x, 0, kBlue);
    masked.DrawPart(target.Dc(), 1, 0, 3);  // only the left three columns
    EXPECT_EQ(GetPixel(target.Dc(), 0, 0), kBlue);
    EXPECT_EQ(GetPixel(target.Dc(), 1, 0), kBlue);  // transparent
    EXPECT_EQ(GetPixel(target.Dc(), 2, 0), kBlue);
    EXPECT_EQ(GetPixel(target.Dc(), 3, 0), kRed);
    EXPECT_EQ(GetPixel(target.Dc(), 4, 0), kBlue);  // cut off by the width
}

TEST(SkinImage, DefaultSkinHasEveryImageWithItsCompanions)
{
    const std::string dir = vuvtest::SuiteDir() + "Skins\\Default\\Editor\\";
    const char* buttons[] = {"AddMusic", "AddMusicMenu", "FindSelection", "FindNext", "Collection",
                             "Selected-Tracks", "PlayCntrlPrev", "PlayCntrlPause", "PlayCntrlPlay",
                             "PlayCntrlSkip", "PlayCntrlRandPlay", "PlayCntrlSelective", "Mute",
                             "PlakButton", "MenuButton", "Playlist", "Un-Locked"};
    for (const char* b : buttons)
        for (const char* variant : {"", "-m", "-d"}) {
            std::string name = dir + b + variant;
            EXPECT_FALSE(vuv::LoadSkinImage(name + ".bmp").Empty()) << name;
            EXPECT_FALSE(vuv::LoadSkinImage(name + "-mask.bmp").Empty()) << name;
        }
    const char* images[] = {"NEW", "FileMissing", "FileExcluded", "SpecialState1", "SpecialState2",
                            "SpecialState3", "SpecialState4", "Preferrence", "PreferrenceOff", "PrefPointer",
                            "VolBoostAuto", "VolBoostNoAuto", "VolBoostBar", "VolBoostPointer", "PlayPosBack",
                            "playposslider", "volume", "volumeback", "QuickFind", "PlayCntrlPlaying",
                            "PlayCntrlRandom", "PlayCntrlStopped", "PlayCntrlPaused"};
    for (const char* i : images)
        EXPECT_FALSE(vuv::LoadSkinImage(dir + i + ".bmp").Empty()) << i;
    // Sizes the drawing code relies on: the star strip is cut in tenths and
    // the position knob travels 115 pixels.
    EXPECT_EQ(vuv::LoadSkinImage(dir + "Preferrence.bmp").Width(), 80);
    EXPECT_EQ(vuv::LoadSkinImage(dir + "PreferrenceOff.bmp").Width(), 80);
    EXPECT_EQ(vuv::LoadSkinImage(dir + "volume.bmp").Width(), 72);
    EXPECT_EQ(vuv::LoadSkinImage(dir + "PlayPosBack.bmp").Width(), 116);
}

TEST(SkinImage, ProgramResourcesLoad)
{
    // The menu images are linked into Vuv.exe; the test program has none.
    HMODULE editor = LoadLibraryExA((vuvtest::SuiteDir() + "Vuv.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(editor, nullptr);
    for (int id : {134, 135, 136}) {
        vuv::SkinImage image = vuv::LoadSkinImage(editor, id, true);
        EXPECT_FALSE(image.Empty()) << id;
        EXPECT_EQ(image.Width(), 13);
    }
    EXPECT_NE(LoadImageA(editor, MAKEINTRESOURCEA(109), IMAGE_ICON, 32, 32, 0), nullptr);
    for (int menu : {105, 106, 107, 108, 110, 130, 139}) {
        HMENU loaded = LoadMenuA(editor, MAKEINTRESOURCEA(menu));
        EXPECT_NE(loaded, nullptr) << menu;
        if (loaded)
            DestroyMenu(loaded);
    }
    FreeLibrary(editor);
}
