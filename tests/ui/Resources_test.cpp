// The resources linked into Vuv.exe load: the main dialog, every menu, the
// icon, and the manifest that asks for version 6 of the common controls.
// (Menu texts and ids are one header with the code; they are not repeated
// here.)
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(Resources, DialogMenusIconAndManifestLoad)
{
    HMODULE editor = LoadLibraryExA((vuvtest::SuiteDir() + "Vuv.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(editor, nullptr);
    EXPECT_NE(FindResourceA(editor, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(5)), nullptr);
    EXPECT_NE(LoadImageA(editor, MAKEINTRESOURCEA(109), IMAGE_ICON, 32, 32, 0), nullptr);
    HRSRC manifest = FindResourceA(editor, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(editor, manifest))),
                           SizeofResource(editor, manifest));
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos) << text;
    FreeLibrary(editor);
}
