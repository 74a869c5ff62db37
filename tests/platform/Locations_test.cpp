#include "platform/Locations.h"

#include "platform/Paths.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

TEST(Locations, InstallFolderFromExecutablePath)
{
    EXPECT_EQ(InstallFolderFromExecutable("C:\\Suite\\x.exe"), "C:\\SUITE\\");
    EXPECT_EQ(InstallFolderFromExecutable("\"c:\\Tonbrook\\Vuv.exe"), "C:\\TONBROOK\\");
    EXPECT_EQ(InstallFolderFromExecutable("C:\\Source Code\\Vuv.exe"), kFallbackInstallFolder);
    EXPECT_EQ(InstallFolderFromExecutable(""), kFallbackInstallFolder);
}

TEST(Locations, FirstDeterminationWinsAndEmptyIsNotRemembered)
{
    ScopedSettingsKey settings;
    const std::string user = GetWindowsUserName();
    EXPECT_FALSE(user.empty());
    SetInstallFolderForRun("");
    // No "InstalledTo": relative names, and nothing is remembered.
    EXPECT_EQ(GetUserFile(kQueueSuffix, true), user + ".Enqued");
    SetText("C:\\Suite", "InstalledTo");
    EXPECT_EQ(GetUserFile(kQueueSuffix, true), "C:\\Suite\\" + user + ".Enqued");
    EXPECT_EQ(GetInstallFolder(false) + "|" + GetSuiteFolder(kInputPluginFolder, false) + "|" + GetUserPrefix(false),
              "C:\\Suite\\|C:\\Suite\\Multiplayer\\Input\\|C:\\Suite\\" + user);
    SetInstallFolderForRun("");
    const std::string own = GetInstallFolder(false);
    EXPECT_EQ(own.back(), '\\');
    EXPECT_EQ(GetInstallFolder(true), own);
    SetInstallFolderForRun("");
}

TEST(Locations, SkinFileFallsBackToTheDefaultSkin)
{
    ScopedSettingsKey settings;
    ScratchFolder folder;
    SetInstallFolderForRun(folder.Path());
    const std::string fallback = folder.Path() + "Skins\\Default\\Editor\\backdrop.jpg";
    std::string path;
    EXPECT_FALSE(GetSkinFile("Editor\\backdrop.jpg", path));
    EXPECT_EQ(path, fallback);
    CreateFolderChain(folder.Path() + "Skins\\Blue\\Editor\\");
    ASSERT_TRUE(WriteBytes(folder.Path() + "Skins\\Blue\\Editor\\NEW.bmp", "x"));
    SetText("Blue", "[SetActive]", SettingsRoot::CurrentUser, (settings.Subkey() + "\\skin").c_str());
    EXPECT_TRUE(GetSkinFile("Editor\\NEW.bmp", path));
    EXPECT_EQ(path, folder.Path() + "Skins\\Blue\\Editor\\NEW.bmp");
    EXPECT_FALSE(GetSkinFile("Editor\\backdrop.jpg", path));
    EXPECT_EQ(path, fallback);
    SetInstallFolderForRun("");
}
