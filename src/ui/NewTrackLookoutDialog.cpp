#include "ui/NewTrackLookoutDialog.h"

#include "intake/IntakeSettings.h"
#include "platform/Paths.h"
#include "player/PlayerLink.h"
#include "resources/resource.h"
#include "ui/DialogItems.h"

#include <string>

namespace vuv {

namespace {

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The minutes only count while "Every" is chosen.
void EnableMinutes(HWND dialog)
{
    EnableWindow(GetDlgItem(dialog, IDC_LOOKOUT_MINUTES), Checked(dialog, IDC_LOOKOUT_EVERY));
}

void Open(HWND dialog)
{
    const LookoutSettings s = LoadLookoutSettings();
    SendDlgItemMessageA(dialog, IDC_LOOKOUT_FOLDER, EM_LIMITTEXT, kPathTextSize - 1, 0);
    SetDlgItemTextA(dialog, IDC_LOOKOUT_FOLDER, s.folder.c_str());
    const int radio = s.schedule == 0 ? IDC_LOOKOUT_NEVER
                      : s.schedule == 1 ? IDC_LOOKOUT_AT_LOAD
                      : s.schedule == 2 ? IDC_LOOKOUT_EVERY
                                        : 0;
    if (radio)
        CheckDlgButton(dialog, radio, BST_CHECKED);
    CheckDlgButton(dialog, IDC_LOOKOUT_RECURSE, s.recurse ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_LOOKOUT_MINUTES, s.everyMinutes.c_str());
    EnableMinutes(dialog);
}

void Store(HWND dialog)
{
    LookoutSettings s;
    s.folder = ItemText(dialog, IDC_LOOKOUT_FOLDER);
    s.schedule = Checked(dialog, IDC_LOOKOUT_EVERY) ? 2 : Checked(dialog, IDC_LOOKOUT_AT_LOAD) ? 1 : 0;
    s.recurse = Checked(dialog, IDC_LOOKOUT_RECURSE);
    s.everyMinutes = ItemText(dialog, IDC_LOOKOUT_MINUTES);
    StoreLookoutSettings(s);
}

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (EndOnCancel(dialog, message, wParam, IDC_LOOKOUT_CANCEL))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        Open(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_LOOKOUT_NEVER:
        case IDC_LOOKOUT_AT_LOAD:
        case IDC_LOOKOUT_EVERY:
            EnableMinutes(dialog);
            return TRUE;
        case IDC_LOOKOUT_BROWSE:
            BrowseFolderInto(dialog, IDC_LOOKOUT_FOLDER, "Select Folder To Watch...");
            return TRUE;
        case IDC_LOOKOUT_NOW:
            Store(dialog);
            Link().triggerFolderWatch.Set();
            return TRUE;
        case IDC_LOOKOUT_OK:
            Store(dialog);
            EndDialog(dialog, 1);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

}  // namespace

void NewTrackLookout(HWND owner, HINSTANCE instance)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NEW_TRACK_LOOKOUT), owner, Proc, 0);
}

}  // namespace vuv
