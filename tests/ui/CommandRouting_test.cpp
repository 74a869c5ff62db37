// Every command that a menu of Vuv.exe can send reaches a handler of the
// main window's routing table.
#include "ui/MainWindow.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// Commands whose handlers come with the dialogs being built beside this
// work (tag editing, adding music, export, preferences and the play
// control panel's programs). The list shrinks as they arrive, and the test
// fails when one of them has a handler while still listed here.
const std::set<int> kOwnedElsewhere = {
    40035,                                      // "&Edit Tag"
    40029, 40016, 40015, 40023, 40024, 40041, 40067,  // paste and adding music
    40081, 40073, 40051,                        // export, preferences, playlist creator
};

void CollectItems(HMENU menu, std::set<int>& ids)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            CollectItems(sub, ids);
            continue;
        }
        const UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != UINT(-1))  // separators
            ids.insert(int(id));
    }
}

BOOL CALLBACK CollectMenu(HMODULE module, LPCSTR, LPSTR name, LONG_PTR ids)
{
    if (HMENU menu = LoadMenuA(module, name)) {
        CollectItems(menu, *reinterpret_cast<std::set<int>*>(ids));
        DestroyMenu(menu);
    }
    return TRUE;
}

}  // namespace

TEST(CommandRouting, EveryMenuCommandReachesAHandler)
{
    HMODULE editor = LoadLibraryExA((vuvtest::SuiteDir() + "Vuv.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(editor, nullptr);
    std::set<int> menuIds;
    EnumResourceNamesA(editor, MAKEINTRESOURCEA(4), CollectMenu, reinterpret_cast<LONG_PTR>(&menuIds));
    FreeLibrary(editor);
    ASSERT_GT(menuIds.size(), 50u);

    const std::vector<int> routed = vuv::RoutedCommandIds();
    const std::set<int> handled(routed.begin(), routed.end());
    EXPECT_EQ(handled.size(), routed.size()) << "a command is routed twice";
    std::string unrouted, routedTwice;
    for (int id : menuIds) {
        const bool isRouted = handled.count(id) != 0;
        if (!isRouted && !kOwnedElsewhere.count(id))
            unrouted += " " + std::to_string(id);
        if (isRouted && kOwnedElsewhere.count(id))
            routedTwice += " " + std::to_string(id);
    }
    EXPECT_EQ(unrouted, "") << "menu commands that reach no handler";
    EXPECT_EQ(routedTwice, "") << "handled now: take them off the list of commands owned elsewhere";
}
