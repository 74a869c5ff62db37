#include "ui/SkinNames.h"

#include <gtest/gtest.h>

TEST(SkinNames, SuffixGoesBeforeTheExtension)
{
    EXPECT_EQ(vuv::MaskPathOf("C:\\Skins\\Default\\Editor\\NEW.bmp"), "C:\\Skins\\Default\\Editor\\NEW-mask.bmp");
    EXPECT_EQ(vuv::SkinVariantPath("Editor\\PlayCntrlPlay.bmp", "-m"), "Editor\\PlayCntrlPlay-m.bmp");
    EXPECT_EQ(vuv::MaskPathOf(vuv::SkinVariantPath("Editor\\PlayCntrlPlay.bmp", "-m")),
              "Editor\\PlayCntrlPlay-m-mask.bmp");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(vuv::SkinVariantPath("C:\\My.Skins\\Play", "-d"), "C:\\My.Skins\\Play-d");
    EXPECT_EQ(vuv::SkinVariantPath("a.b.bmp", "-d"), "a.b-d.bmp");
}
