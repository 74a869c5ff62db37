#include "ui/ArrangeFilesDialog.h"

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "naming/ArrangeFiles.h"
#include "naming/FilenamePattern.h"
#include "platform/Paths.h"
#include "player/PlayerLink.h"
#include "resources/resource.h"
#include "ui/DialogItems.h"

#include <commctrl.h>

#include <cstdio>

namespace vuv {

namespace {

constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressMs = 250;

INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (EndOnCancel(dialog, message, wParam, IDC_ARRANGE_CANCEL))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG: {
        const ArrangeSettings settings = LoadArrangeSettings();
        SendDlgItemMessageA(dialog, IDC_ARRANGE_ROOT, EM_LIMITTEXT, kPathTextSize - 1, 0);
        SendDlgItemMessageA(dialog, IDC_ARRANGE_PATTERN, EM_LIMITTEXT, kPathTextSize - 1, 0);
        SetDlgItemTextA(dialog, IDC_ARRANGE_ROOT, settings.root.c_str());
        SetDlgItemTextA(dialog, IDC_ARRANGE_PATTERN, StoredToDisplay(settings.pattern).c_str());
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_ARRANGE_BROWSE:
            BrowseFolderInto(dialog, IDC_ARRANGE_ROOT, "Select Root Folder...");
            return TRUE;
        case IDC_ARRANGE_SET:
            EditPatternIn(dialog, IDC_ARRANGE_PATTERN, "Tonbrook - Set File Arrangement");
            return TRUE;
        case IDC_ARRANGE_BEGIN:
            StoreArrangeSettings({ItemText(dialog, IDC_ARRANGE_ROOT), DisplayToStored(ItemText(dialog, IDC_ARRANGE_PATTERN))});
            EndDialog(dialog, 1);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

struct Progress {
    ArrangeSession* session;
    CollectionHost* collection;
    bool saved = false;
};

// The pass's moves into the store, then the collection saved through the
// window (which asks again when the file cannot be written). Once per run.
void FinishAndSave(Progress& progress)
{
    if (progress.saved)
        return;
    progress.saved = true;
    progress.session->Finish();
    progress.collection->Save(progress.collection->Store().ActivePath(), false);
}

INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* progress = reinterpret_cast<Progress*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SendDlgItemMessageA(dialog, IDC_ARRANGING_BAR, PBM_SETRANGE32, 0, 100);
        SetTimer(dialog, kProgressTimer, kProgressMs, nullptr);
        return TRUE;
    case WM_TIMER: {
        if (wParam != kProgressTimer || !progress)
            return FALSE;
        std::atomic<int>& number = progress->session->Progress();
        const int value = number;
        if (value == kArrangeShown)
            return TRUE;
        if (value == kArrangeFinished) {
            number = kArrangeShown;
            FinishAndSave(*progress);
            SetDlgItemTextA(dialog, IDC_ARRANGING_TEXT, "Completed");
            SendDlgItemMessageA(dialog, IDC_ARRANGING_BAR, PBM_SETPOS, 100, 0);
            return TRUE;
        }
        char text[32];
        snprintf(text, sizeof text, "%d%% Complete", value);
        SetDlgItemTextA(dialog, IDC_ARRANGING_TEXT, text);
        SendDlgItemMessageA(dialog, IDC_ARRANGING_BAR, PBM_SETPOS, WPARAM(value), 0);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_ARRANGING_CLOSE && LOWORD(wParam) != IDCANCEL)
            return FALSE;
        [[fallthrough]];
    case WM_CLOSE:
        KillTimer(dialog, kProgressTimer);
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void ArrangeFiles(HWND owner, HINSTANCE instance, ArrangeSession*& running, CollectionHost& collection)
{
    if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ARRANGE_FILES), owner, SettingsProc, 0) != 1)
        return;
    LinkArrangePlayer player(Link());
    ArrangeSession session(collection.Store(), LoadArrangeSettings(), player);
    Progress progress{&session, &collection};
    running = &session;
    session.Start();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ARRANGING), owner, ProgressProc,
                    reinterpret_cast<LPARAM>(&progress));
    RedrawWindow(owner, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // Closed before the end: the pass stops after the track it is moving,
    // and what it moved is saved.
    FinishAndSave(progress);
    running = nullptr;
}

}  // namespace vuv
