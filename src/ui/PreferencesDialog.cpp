#include "ui/PreferencesDialog.h"

#include "core/TrackSort.h"
#include "intake/TrackSources.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"
#include "resources/resource.h"
#include "ui/ColumnPreferences.h"
#include "ui/PropertyList.h"

#include <cstdio>

namespace vuv {
namespace {

constexpr const char* kNoInfoTipsSetting = "VUVNoPopupInfoTips";

struct Preferences {
    ColumnOrder* order;
    bool* popupInfoTips;
    PropertyList columns;
};

void Open(HWND dialog, Preferences& p)
{
    CheckDlgButton(dialog, IDC_PREF_SUBFOLDERS, GetNumber(kSearchSubFoldersSetting) == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_PREF_INFO_TIPS, *p.popupInfoTips ? BST_CHECKED : BST_UNCHECKED);
    HWND sortItem = GetDlgItem(dialog, IDC_PREF_SECOND_SORT);
    SendMessageA(sortItem, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("[Smart]"));
    for (int type = 0; type < kColumnRows; ++type)
        SendMessageA(sortItem, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ColumnInfo(type).header));
    SendMessageA(sortItem, CB_SETCURSEL, WPARAM(TheSortState().secondKey + 1), 0);

    PropertyListLayout layout;
    layout.x = 12, layout.y = 107, layout.width = 250, layout.height = 150;
    layout.nameWidth = 125;
    p.columns.Create(dialog, GetModuleHandleA(nullptr), layout);
    const auto positions = ShownPositions(*p.order);
    for (int type = 0; type < kColumnRows; ++type)
        p.columns.AddRow({ColumnRowName(type), std::to_string(positions[size_t(type)]), PropertyKind::Edit});
}

void Confirm(HWND dialog, Preferences& p)
{
    p.columns.Commit();
    SetNumber(IsDlgButtonChecked(dialog, IDC_PREF_SUBFOLDERS) == BST_CHECKED ? 0 : 1, kSearchSubFoldersSetting);
    *p.popupInfoTips = IsDlgButtonChecked(dialog, IDC_PREF_INFO_TIPS) == BST_CHECKED;
    SetNumber(*p.popupInfoTips ? 0 : 1, kNoInfoTipsSetting);
    const LRESULT entry = SendDlgItemMessageA(dialog, IDC_PREF_SECOND_SORT, CB_GETCURSEL, 0, 0);
    if (entry >= 0) {
        TheSortState().secondKey = int(entry) - 1;
        SetNumber(uint32_t(entry), kSecondKeySetting);
    }
    std::array<std::string, kColumnRows> typed;
    for (int row = 0; row < kColumnRows; ++row)
        typed[size_t(row)] = p.columns.Row(row).value;
    *p.order = OrderFromPositions(*p.order, typed);
    EndDialog(dialog, -1);
}

void DefaultColumns(HWND dialog, Preferences& p)
{
    if (!AskYesNo("Set columns to default positions and sizes?"))
        return;
    *p.order = DefaultColumnOrder();
    for (int type = 0; type < kColumnRows; ++type) {
        char name[32];
        snprintf(name, sizeof name, "VUV-ColumnW%d", type);
        SetNumber(0, name);
    }
    EndDialog(dialog, -1);
}

INT_PTR CALLBACK PreferencesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        Open(dialog, *reinterpret_cast<Preferences*>(lParam));
        return TRUE;
    }
    auto* p = reinterpret_cast<Preferences*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (!p)
        return FALSE;
    if (p->columns.MessageFilter(dialog, message, wParam, lParam))
        return TRUE;
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            Confirm(dialog, *p);
            return TRUE;
        case IDC_PREF_DEFAULT_COLUMNS:
            DefaultColumns(dialog, *p);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_DESTROY:
        p->columns.Destroy();
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

bool RunPreferencesDialog(HWND owner, HINSTANCE instance, ColumnOrder& order, bool& popupInfoTips)
{
    Preferences p{&order, &popupInfoTips, {}};
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PREFERENCES), owner, PreferencesProc,
                           reinterpret_cast<LPARAM>(&p)) == -1;
}

}  // namespace vuv
