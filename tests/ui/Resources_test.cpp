// The editor's menus and dialogs as linked into Vuv.exe: every item with
// its text and command id, in menu order, and the main window's controls.
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "text=id" per item, "text>" before the items of a submenu and "<" after.
void Walk(HMENU menu, std::vector<std::string>& out)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, UINT(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR)
            continue;
        if (info.hSubMenu) {
            out.push_back(std::string(text) + ">");
            Walk(info.hSubMenu, out);
            out.push_back("<");
        } else {
            out.push_back(std::string(text) + "=" + std::to_string(info.wID));
        }
    }
}

std::vector<std::string> Items(HMODULE module, int id)
{
    std::vector<std::string> out;
    HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(id));
    if (menu) {
        Walk(GetSubMenu(menu, 0), out);
        DestroyMenu(menu);
    }
    return out;
}

class ResourcesTest : public testing::Test {
protected:
    void SetUp() override
    {
        editor_ = LoadLibraryExA((vuvtest::SuiteDir() + "Vuv.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(editor_, nullptr);
    }
    void TearDown() override { FreeLibrary(editor_); }
    HMODULE editor_ = nullptr;
};

using V = std::vector<std::string>;

}  // namespace

TEST_F(ResourcesTest, MenusHoldEveryItemWithItsId)
{
    EXPECT_EQ(Items(editor_, 105),
              (V{"&Edit Tag=40035", "Play=40006", "Play (and close VUV)=40066", "Play Album=40074",
                 "Select Album=40079", "En-Queue=40004", "Copy=40030", "Paste Shortcut=40029", "Remove=40025",
                 "Show Track Playing=40027", "Advanced>", "Always Display Track Playing=40080",
                 "Create Playlist Using Selected Tracks=40050", "User Highlight State>", "Set #1=40062",
                 "Set #2=40063", "Set #3=40064", "Set #4=40065", "Clear=40061", "<",
                 "Explore to Track Location=40072", "Refresh From ID Tag=40058", "Rewrite ID Tag=40071",
                 "Delete ** File(s) From Disk **=40026", "<", "Convert To=40043", "View MusicMoz Web Page=40075"}));
    EXPECT_EQ(Items(editor_, 106),
              (V{"Skip=40007", "Stop=40008", "Random Play=40017", "En-Queue=40009", "Clear all Queued Items=40011",
                 "Randomize Queued Items=40038"}));
    EXPECT_EQ(Items(editor_, 107), (V{"Play=40013", "Random Play=40012"}));
    EXPECT_EQ(Items(editor_, 108),
              (V{"Add a Folder of Music Files=40016", "Add Individual Music Files=40015",
                 "Add Playlist Entries=40023", "Add Playlist (as one item)=40024", "New Track Preferences=40041",
                 "New Track Lookout=40067"}));
    EXPECT_EQ(Items(editor_, 110),
              (V{"New=40019", "Save As..=40020", "Load=40021", "Combine=40048", "Export=40081",
                 "Clear All Tracks=40022", "Undo Any Editing=40028", "Random Selector=40068", "Preferences=40073",
                 "Highlight Missing Files=40046", "Locate Missing Files=40044", "Arrange Files=40047"}));
    EXPECT_EQ(Items(editor_, 130), (V{"Playlist Creator=40051", "Play Playlist=40053", "Enque Playlist=40052"}));
    EXPECT_EQ(Items(editor_, 139), (V{"Title=40076", "Artist=40077", "Album=40078"}));
}

TEST_F(ResourcesTest, DialogsAndTheManifestArePresent)
{
    for (int dialog : {101, 103, 125, 129})
        EXPECT_NE(FindResourceA(editor_, MAKEINTRESOURCEA(dialog), MAKEINTRESOURCEA(5)), nullptr) << dialog;
    for (int bitmap : {114, 116})  // the marks of a genre check list
        EXPECT_NE(FindResourceA(editor_, MAKEINTRESOURCEA(bitmap), MAKEINTRESOURCEA(2)), nullptr) << bitmap;
    HRSRC manifest = FindResourceA(editor_, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest, nullptr);
    HGLOBAL data = LoadResource(editor_, manifest);
    std::string text(static_cast<const char*>(LockResource(data)), SizeofResource(editor_, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
}
