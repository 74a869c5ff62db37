#include "ui/NewTrackPreferencesDialog.h"

#include "core/CollectionStore.h"
#include "intake/IntakeSettings.h"
#include "naming/FilenamePattern.h"
#include "platform/Paths.h"
#include "resources/resource.h"
#include "ui/DialogItems.h"
#include "ui/SkinImage.h"
#include "ui/TrackListRules.h"
#include "ui/WindowSkin.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vuv {

namespace {

constexpr int kStarX = 92, kStarY = 52;  // pixels of the client area
constexpr int kFirstYear = 1995;
constexpr int kGenreRowHeight = 16;

struct Preferences {
    HINSTANCE instance = nullptr;
    NewTrackDefaults defaults;
    MaskedImage stars;     // "Editor\Preferrence.bmp"
    MaskedImage starsOff;  // "Editor\PreferrenceOff.bmp"
    SkinImage checked;     // resource 116
    SkinImage unchecked;   // resource 114
    HWND starControl = nullptr;
};

void EnableMoveControls(HWND dialog)
{
    const BOOL on = IsDlgButtonChecked(dialog, IDC_NTP_MOVE) == BST_CHECKED;
    for (int id : {IDC_NTP_ROOT, IDC_NTP_ARRANGEMENT, IDC_NTP_BROWSE, IDC_NTP_SET})
        EnableWindow(GetDlgItem(dialog, id), on);
}

void FillCombo(HWND dialog, int id, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        if (!name.empty())
            SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

// A click on the strip at x (its own client coordinates) sets the
// preference: the strip is subclassed, since only the click message itself
// carries its position.
LRESULT CALLBACK StarsProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        auto* p = reinterpret_cast<Preferences*>(data);
        p->defaults.preference = uint8_t(PreferenceFromClick(short(LOWORD(lParam)), std::max(p->stars.Width(), 1)));
        InvalidateRect(control, nullptr, FALSE);
        return 0;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void Open(HWND dialog, Preferences& p)
{
    CollectionStore& store = TheCollectionStore();
    // 1. The name lists, and the years from this one down to 1995.
    FillCombo(dialog, IDC_NTP_ARTIST, store.ArtistNames());
    FillCombo(dialog, IDC_NTP_ALBUM, store.AlbumNames());
    SYSTEMTIME now{};
    GetSystemTime(&now);
    for (int year = now.wYear; year >= kFirstYear; --year)
        SendDlgItemMessageA(dialog, IDC_NTP_YEAR, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(std::to_string(year).c_str()));
    for (int id : {IDC_NTP_ARTIST, IDC_NTP_ALBUM})
        SendDlgItemMessageA(dialog, id, CB_LIMITTEXT, kTagTextSize - 1, 0);
    // 2. The star strip.
    p.stars = LoadMaskedImage(SkinFilePath("Editor\\Preferrence.bmp"));
    p.starsOff = LoadMaskedImage(SkinFilePath("Editor\\PreferrenceOff.bmp"));
    p.starControl = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, kStarX, kStarY,
                                    std::max(p.stars.Width(), 1), std::max(p.stars.Height(), 1), dialog,
                                    reinterpret_cast<HMENU>(IDC_NTP_STARS), p.instance, nullptr);
    SetWindowSubclass(p.starControl, StarsProc, 0, reinterpret_cast<DWORD_PTR>(&p));
    // 3. The defaults.
    p.defaults = LoadNewTrackDefaults();
    SetDlgItemTextA(dialog, IDC_NTP_ARTIST, p.defaults.artist.c_str());
    SetDlgItemTextA(dialog, IDC_NTP_ALBUM, p.defaults.album.c_str());
    if (p.defaults.year != 0)
        SetDlgItemTextA(dialog, IDC_NTP_YEAR, std::to_string(p.defaults.year).c_str());
    CheckDlgButton(dialog, IDC_NTP_AUTO_VOLUME, p.defaults.autoVolume ? BST_CHECKED : BST_UNCHECKED);
    // 4. The genres as a check list: each item's data is its mark.
    p.checked.LoadResource(p.instance, IDB_GENRE_INCLUDED);
    p.unchecked.LoadResource(p.instance, IDB_GENRE_EXCLUDED);
    if (store.HasGenreList()) {
        for (const GenreRecord& genre : store.Genres().Records()) {
            const bool isDefault = std::find(std::begin(p.defaults.genreIds), std::end(p.defaults.genreIds),
                                             genre.id) != std::end(p.defaults.genreIds);
            const LRESULT at = SendDlgItemMessageA(dialog, IDC_NTP_GENRES, LB_ADDSTRING, 0,
                                                   reinterpret_cast<LPARAM>(genre.name));
            if (at >= 0)
                SendDlgItemMessageA(dialog, IDC_NTP_GENRES, LB_SETITEMDATA, WPARAM(at), isDefault ? 1 : 0);
        }
    }
    // 5. The move and the queue.
    const IntakeSettings settings = LoadIntakeSettings();
    CheckDlgButton(dialog, IDC_NTP_MOVE, settings.moveNew ? BST_CHECKED : BST_UNCHECKED);
    for (int id : {IDC_NTP_ROOT, IDC_NTP_ARRANGEMENT})
        SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kPathTextSize - 1, 0);
    SetDlgItemTextA(dialog, IDC_NTP_ROOT, settings.moveRoot.empty() ? kDefaultMoveRoot : settings.moveRoot.c_str());
    SetDlgItemTextA(dialog, IDC_NTP_ARRANGEMENT,
                    StoredToDisplay(settings.arrangement.empty() ? kDefaultStoredPattern : settings.arrangement)
                        .c_str());
    CheckDlgButton(dialog, IDC_NTP_ENQUEUE, settings.enqueueNew ? BST_CHECKED : BST_UNCHECKED);
    // 6. The move's controls follow its check box.
    EnableMoveControls(dialog);
}

void Store(HWND dialog, Preferences& p)
{
    NewTrackDefaults d = p.defaults;
    d.artist = ItemText(dialog, IDC_NTP_ARTIST);
    d.album = ItemText(dialog, IDC_NTP_ALBUM);
    d.year = ParseYearText(ItemText(dialog, IDC_NTP_YEAR));
    d.autoVolume = IsDlgButtonChecked(dialog, IDC_NTP_AUTO_VOLUME) == BST_CHECKED;
    std::vector<std::string> checkedNames;
    HWND list = GetDlgItem(dialog, IDC_NTP_GENRES);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessageA(list, LB_GETITEMDATA, WPARAM(i), 0) != 1)
            continue;
        char name[kTagTextSize + 1] = "";
        if (SendMessageA(list, LB_GETTEXTLEN, WPARAM(i), 0) < LRESULT(sizeof name))
            SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(name));
        checkedNames.push_back(name);
    }
    DefaultGenresFromNames(checkedNames, TheCollectionStore().Genres(), d.genreIds);
    StoreNewTrackDefaults(d);

    IntakeSettings s;
    s.moveNew = IsDlgButtonChecked(dialog, IDC_NTP_MOVE) == BST_CHECKED;
    s.moveRoot = ItemText(dialog, IDC_NTP_ROOT);
    s.arrangement = DisplayToStored(ItemText(dialog, IDC_NTP_ARRANGEMENT));
    s.enqueueNew = IsDlgButtonChecked(dialog, IDC_NTP_ENQUEUE) == BST_CHECKED;
    StoreIntakeSettings(s);
}

void DrawStars(const DRAWITEMSTRUCT& item, const Preferences& p)
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    p.starsOff.Draw(item.hDC, 0, 0);
    p.stars.DrawPart(item.hDC, 0, 0, p.stars.Width() * (p.defaults.preference + 1) / 10);
}

void DrawGenre(const DRAWITEMSTRUCT& item, const Preferences& p)
{
    if (item.itemID == UINT(-1))
        return;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    const SkinImage& mark = item.itemData == 1 ? p.checked : p.unchecked;
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - mark.Height()) / 2;
    mark.Draw(item.hDC, item.rcItem.left + 2, top);
    char name[kTagTextSize + 1] = "";
    if (SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) < LRESULT(sizeof name))
        SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
    RECT text = item.rcItem;
    text.left += mark.Width() + 6;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(item.hDC, name, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

// A selected genre flips its mark and loses the selection again, so that
// the list behaves as a check list.
void FlipSelectedGenre(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_NTP_GENRES);
    const LRESULT at = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (at < 0)
        return;
    const LRESULT mark = SendMessageA(list, LB_GETITEMDATA, WPARAM(at), 0);
    SendMessageA(list, LB_SETITEMDATA, WPARAM(at), mark == 1 ? 0 : 1);
    SendMessageA(list, LB_SETCURSEL, WPARAM(-1), 0);
    InvalidateRect(list, nullptr, TRUE);
}

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* p = reinterpret_cast<Preferences*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (EndOnCancel(dialog, message, wParam, IDC_NTP_CANCEL))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Open(dialog, *reinterpret_cast<Preferences*>(lParam));
        return TRUE;
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlID != IDC_NTP_GENRES)
            return FALSE;
        measure->itemHeight = kGenreRowHeight;
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!p)
            return FALSE;
        if (item->CtlID == IDC_NTP_STARS)
            DrawStars(*item, *p);
        else if (item->CtlID == IDC_NTP_GENRES)
            DrawGenre(*item, *p);
        else
            return FALSE;
        return TRUE;
    }
    case WM_COMMAND:
        if (!p)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_NTP_GENRES:
            if (HIWORD(wParam) == LBN_SELCHANGE)
                FlipSelectedGenre(dialog);
            return TRUE;
        case IDC_NTP_MOVE:
            EnableMoveControls(dialog);
            return TRUE;
        case IDC_NTP_BROWSE:
            BrowseFolderInto(dialog, IDC_NTP_ROOT, "Select Root Folder...");
            return TRUE;
        case IDC_NTP_SET:
            EditPatternIn(dialog, IDC_NTP_ARRANGEMENT, "Tonbrook - Set Folder Watch Arrangement");
            return TRUE;
        case IDC_NTP_OK:
            Store(dialog, *p);
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

void NewTrackPreferences(HWND owner, HINSTANCE instance)
{
    Preferences preferences;
    preferences.instance = instance;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NEW_TRACK_PREFERENCES), owner, Proc,
                    reinterpret_cast<LPARAM>(&preferences));
}

}  // namespace vuv
