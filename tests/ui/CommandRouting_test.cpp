// Every command that a menu of Vuv.exe can send reaches a handler of the
// main window's routing table.
#include "ui/MainWindow.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>

namespace {

void CollectItems(HMENU menu, std::set<int>& ids)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            CollectItems(sub, ids);
        else if (GetMenuItemID(menu, i) != 0)  // 0: a separator
            ids.insert(int(GetMenuItemID(menu, i)));
    }
}

BOOL CALLBACK CollectMenu(HMODULE module, LPCSTR, LPSTR name, LONG_PTR ids)
{
    HMENU menu = LoadMenuA(module, name);
    CollectItems(menu, *reinterpret_cast<std::set<int>*>(ids));
    DestroyMenu(menu);
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
    std::string unrouted;
    for (int id : menuIds)
        if (!handled.count(id))
            unrouted += " " + std::to_string(id);
    EXPECT_EQ(unrouted, "") << "menu commands that reach no handler";
}
