#include "ui/SelectivePlayDialog.h"

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "core/SortKeys.h"
#include "core/TrackSort.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/UserMessages.h"
#include "resources/resource.h"
#include "selection/CriteriaLines.h"
#include "selection/SelectionIndex.h"
#include "selection/SelectivePlay.h"
#include "ui/FileDialog.h"
#include "ui/SkinImage.h"
#include "ui/TrackListRules.h"
#include "ui/WindowSkin.h"

#include <commctrl.h>

#include <cstring>

namespace vuv {
namespace {

constexpr int kPageLeft = 20, kPageTop = 80;  // pixels of the dialog's client area
constexpr int kLineHeight = 18;
constexpr int kSymbolSize = 13;
constexpr const char* kPresetFilter = "Tonbrook Selective Play\0*.dps\0";
constexpr const char* kPresetExtension = ".dps";

struct Page {
    int resource;
    const char* tab;
};
const Page kPages[] = {{IDD_SELECTIVE_ARTIST, "Artist"},
                       {IDD_SELECTIVE_GENRE, "Genre"},
                       {IDD_SELECTIVE_PREFERENCE, "Preference"},
                       {IDD_SELECTIVE_YEAR, "Year"}};
constexpr int kPageCount = 4;

enum class Symbol { Ticked, Unticked, Include, Exclude, Indeterminate };

Symbol GenreSymbol(GenreChoice choice)
{
    switch (choice) {
    case GenreChoice::Exclude:
        return Symbol::Exclude;
    case GenreChoice::Indeterminate:
        return Symbol::Indeterminate;
    default:
        return Symbol::Include;
    }
}

// A 13-pixel box at (x, y): a green tick for a ticked artist or an
// included genre, a red cross for an excluded genre, a grey square for an
// indeterminate one, nothing for an unticked artist.
void DrawSymbol(HDC dc, int x, int y, Symbol symbol)
{
    RECT box{x, y, x + kSymbolSize, y + kSymbolSize};
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH frame = CreateSolidBrush(RGB(112, 112, 112));
    FrameRect(dc, &box, frame);
    DeleteObject(frame);
    auto stroke = [dc](COLORREF colour, std::initializer_list<POINT> points) {
        HPEN pen = CreatePen(PS_SOLID, 2, colour);
        HGDIOBJ old = SelectObject(dc, pen);
        auto p = points.begin();
        MoveToEx(dc, p->x, p->y, nullptr);
        for (++p; p != points.end(); ++p)
            LineTo(dc, p->x, p->y);
        SelectObject(dc, old);
        DeleteObject(pen);
    };
    switch (symbol) {
    case Symbol::Ticked:
    case Symbol::Include:
        stroke(RGB(0, 128, 0), {{x + 3, y + 6}, {x + 5, y + 9}, {x + 10, y + 3}});
        break;
    case Symbol::Exclude:
        stroke(RGB(200, 0, 0), {{x + 3, y + 3}, {x + 10, y + 10}});
        stroke(RGB(200, 0, 0), {{x + 10, y + 3}, {x + 3, y + 10}});
        break;
    case Symbol::Indeterminate: {
        RECT inner{x + 3, y + 3, x + kSymbolSize - 3, y + kSymbolSize - 3};
        HBRUSH grey = CreateSolidBrush(RGB(150, 150, 150));
        FillRect(dc, &inner, grey);
        DeleteObject(grey);
        break;
    }
    default:
        break;
    }
}

// A line of a list or the genre key: the symbol, then the text.
void DrawLine(const DRAWITEMSTRUCT& item, Symbol symbol, const std::string& text, bool selectable)
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool selected = selectable && (item.itemState & ODS_SELECTED);
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : selectable ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawSymbol(dc, r.left + 3, r.top + (r.bottom - r.top - kSymbolSize) / 2, symbol);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT textBox{r.left + kSymbolSize + 9, r.top, r.right, r.bottom};
    DrawTextA(dc, text.c_str(), int(text.size()), &textBox,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (selectable && (item.itemState & ODS_FOCUS))
        DrawFocusRect(dc, &r);
}

std::string WindowText(HWND window)
{
    char text[64] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class SelectiveDialog {
public:
    SelectiveDialog(HINSTANCE instance, CriteriaLines lines, const std::string& criteriaFile,
                    const ApplyCriteria& apply)
        : instance_(instance), lines_(std::move(lines)), criteriaFile_(criteriaFile), apply_(apply)
    {
    }

    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Applied() const { return applied_; }

private:
    void Create();
    void ShowPage(int index);
    void ShowTitle();
    // The lines, the stars and the year boxes as `lines_` holds them.
    void ShowLines();
    void TakeYears();
    void Changed();
    void OnCommand(int id, int code);
    void OnDraw(const DRAWITEMSTRUCT& item);
    void OnListSelect(int id);
    void OnStarClick();
    void PlaceStarStrip();
    void SaveCriteria();
    void LoadCriteria();
    void Finish(bool clear);
    HWND Control(int id) const;

    HINSTANCE instance_;
    CriteriaLines lines_;
    std::string criteriaFile_;
    const ApplyCriteria& apply_;
    bool applied_ = false;
    bool showing_ = false;  // the dialog itself fills the year boxes
    HWND hwnd_ = nullptr;
    HWND tabs_ = nullptr;
    HWND pages_[kPageCount] = {};
    MaskedImage starsOn_, starsOff_;
};

// The dialog and its pages: the pages pass their controls' commands and
// drawing on to the dialog.
INT_PTR CALLBACK SelectiveDialog::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {  // sent while a page is built, before WM_INITDIALOG
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kLineHeight;
        return TRUE;
    }
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        auto* self = reinterpret_cast<SelectiveDialog*>(lParam);
        if (!self->hwnd_) {
            self->hwnd_ = hwnd;
            self->Create();
        }
        return TRUE;
    }
    auto* self = reinterpret_cast<SelectiveDialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        self->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        self->OnDraw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == self->tabs_ && header->code == TCN_SELCHANGE)
            self->ShowPage(TabCtrl_GetCurSel(self->tabs_));
        return TRUE;
    }
    case WM_CLOSE:
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

HWND SelectiveDialog::Control(int id) const
{
    for (HWND page : pages_)
        if (HWND c = GetDlgItem(page, id))
            return c;
    return GetDlgItem(hwnd_, id);
}

void SelectiveDialog::Create()
{
    starsOn_ = LoadMaskedImage(SkinFilePath("Editor\\Preferrence.bmp"));
    starsOff_ = LoadMaskedImage(SkinFilePath("Editor\\PreferrenceOff.bmp"));
    tabs_ = GetDlgItem(hwnd_, IDC_SELECTIVE_TABS);
    for (int i = 0; i < kPageCount; ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(kPages[i].tab);
        SendMessageA(tabs_, TCM_INSERTITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&tab));
        pages_[i] = CreateDialogParamA(instance_, MAKEINTRESOURCEA(kPages[i].resource), hwnd_, Proc,
                                       reinterpret_cast<LPARAM>(this));
        SetWindowPos(pages_[i], HWND_TOP, kPageLeft, kPageTop, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // The tab control frames the pages: its strip above them, a margin of
    // 10 pixels around.
    RECT page{};
    GetWindowRect(pages_[0], &page);
    SetWindowPos(tabs_, HWND_BOTTOM, kPageLeft - 10, kPageTop - 28, page.right - page.left + 20,
                 page.bottom - page.top + 38, SWP_NOACTIVATE);

    HWND artists = Control(IDC_SELECTIVE_ARTISTS);
    SendMessageA(artists, WM_SETREDRAW, FALSE, 0);
    for (const ArtistLine& line : lines_.artists)
        SendMessageA(artists, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.name.c_str()));
    SendMessageA(artists, WM_SETREDRAW, TRUE, 0);
    HWND genres = Control(IDC_SELECTIVE_GENRES);
    for (const GenreLine& line : lines_.genres)
        SendMessageA(genres, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.name.c_str()));
    for (int id : {IDC_SELECTIVE_FIRST_YEAR, IDC_SELECTIVE_LAST_YEAR}) {
        HWND box = Control(id);
        SendMessageA(box, CB_LIMITTEXT, 5, 0);
        for (const std::string& year : YearChoices(CurrentYear()))
            SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(year.c_str()));
    }
    PlaceStarStrip();
    ShowCriteria(lines_, ReadCriteria(criteriaFile_));
    ShowLines();
    ShowTitle();
    ShowPage(0);
}

// The strip takes the size of the star images and sits between its two
// labels.
void SelectiveDialog::PlaceStarStrip()
{
    if (starsOff_.Empty())
        return;
    HWND page = pages_[2];
    auto rectOf = [page](HWND c) {
        RECT r{};
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    HWND before = Control(IDC_SELECTIVE_STARS_BEFORE), strip = Control(IDC_SELECTIVE_STARS);
    HWND after = Control(IDC_SELECTIVE_STARS_AFTER);
    const RECT label = rectOf(before);
    const int middle = (label.top + label.bottom) / 2;
    const int x = label.right + 4, y = middle - starsOff_.Height() / 2;
    SetWindowPos(strip, nullptr, x, y, starsOff_.Width(), starsOff_.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT rest = rectOf(after);
    SetWindowPos(after, nullptr, x + starsOff_.Width() + 6, rest.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SelectiveDialog::ShowPage(int index)
{
    TabCtrl_SetCurSel(tabs_, index);
    for (int i = 0; i < kPageCount; ++i)
        ShowWindow(pages_[i], i == index ? SW_SHOW : SW_HIDE);
}

void SelectiveDialog::ShowTitle() { SetWindowTextA(hwnd_, SelectivePlayTitle().c_str()); }

void SelectiveDialog::ShowLines()
{
    InvalidateRect(Control(IDC_SELECTIVE_ARTISTS), nullptr, TRUE);
    InvalidateRect(Control(IDC_SELECTIVE_GENRES), nullptr, TRUE);
    InvalidateRect(Control(IDC_SELECTIVE_STARS), nullptr, TRUE);
    showing_ = true;
    SetWindowTextA(Control(IDC_SELECTIVE_FIRST_YEAR), lines_.firstYear.c_str());
    SetWindowTextA(Control(IDC_SELECTIVE_LAST_YEAR), lines_.lastYear.c_str());
    showing_ = false;
}

void SelectiveDialog::TakeYears()
{
    lines_.firstYear = WindowText(Control(IDC_SELECTIVE_FIRST_YEAR));
    lines_.lastYear = WindowText(Control(IDC_SELECTIVE_LAST_YEAR));
}

// Criteria that differ from the preset they came from have no preset name.
void SelectiveDialog::Changed()
{
    SetPresetName(std::string());
    ShowTitle();
}

void SelectiveDialog::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_SELECTIVE_ARTISTS:
    case IDC_SELECTIVE_GENRES:
        if (code == LBN_SELCHANGE)
            OnListSelect(id);
        break;
    case IDC_SELECTIVE_TICK_ALL:
    case IDC_SELECTIVE_TICK_NONE:
        for (ArtistLine& line : lines_.artists)
            line.ticked = id == IDC_SELECTIVE_TICK_ALL;
        InvalidateRect(Control(IDC_SELECTIVE_ARTISTS), nullptr, TRUE);
        Changed();
        break;
    case IDC_SELECTIVE_INCLUDE_ALL:
    case IDC_SELECTIVE_EXCLUDE_ALL:
    case IDC_SELECTIVE_INDETERMINATE_ALL: {
        const GenreChoice choice = id == IDC_SELECTIVE_INCLUDE_ALL   ? GenreChoice::Include
                                   : id == IDC_SELECTIVE_EXCLUDE_ALL ? GenreChoice::Exclude
                                                                     : GenreChoice::Indeterminate;
        for (GenreLine& line : lines_.genres)
            line.choice = choice;
        InvalidateRect(Control(IDC_SELECTIVE_GENRES), nullptr, TRUE);
        Changed();
        break;
    }
    case IDC_SELECTIVE_STARS:
        if (code == STN_CLICKED)
            OnStarClick();
        break;
    case IDC_SELECTIVE_FIRST_YEAR:
    case IDC_SELECTIVE_LAST_YEAR:
        if (!showing_ && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE))
            Changed();
        break;
    case IDC_SELECTIVE_SAVE:
        SaveCriteria();
        break;
    case IDC_SELECTIVE_LOAD:
        LoadCriteria();
        break;
    case IDOK:
        Finish(false);
        break;
    case IDC_SELECTIVE_NONE:
        Finish(true);
        break;
    case IDCANCEL:
        EndDialog(hwnd_, IDCANCEL);
        break;
    default:
        break;
    }
}

// Choosing a line changes it (an artist's tick, a genre's choice) and
// leaves no line chosen, so that the next click on it changes it again.
void SelectiveDialog::OnListSelect(int id)
{
    HWND list = Control(id);
    const LRESULT chosen = SendMessageA(list, LB_GETCURSEL, 0, 0);
    SendMessageA(list, LB_SETCURSEL, WPARAM(-1), 0);
    if (chosen < 0)
        return;
    const size_t index = size_t(chosen);
    if (id == IDC_SELECTIVE_ARTISTS && index < lines_.artists.size())
        lines_.artists[index].ticked = !lines_.artists[index].ticked;
    else if (id == IDC_SELECTIVE_GENRES && index < lines_.genres.size())
        lines_.genres[index].choice = NextGenreChoice(lines_.genres[index].choice);
    else
        return;
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    InvalidateRect(list, &r, TRUE);
    Changed();
}

// The star value leaves the preset name as it is.
void SelectiveDialog::OnStarClick()
{
    HWND strip = Control(IDC_SELECTIVE_STARS);
    RECT r{};
    GetClientRect(strip, &r);
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(strip, &at);
    lines_.stars = uint32_t(PreferenceFromClick(at.x, r.right));
    InvalidateRect(strip, nullptr, TRUE);
}

void SelectiveDialog::OnDraw(const DRAWITEMSTRUCT& item)
{
    switch (item.CtlID) {
    case IDC_SELECTIVE_ARTISTS:
        if (item.itemID < lines_.artists.size()) {
            const ArtistLine& line = lines_.artists[item.itemID];
            DrawLine(item, line.ticked ? Symbol::Ticked : Symbol::Unticked, line.name, true);
        }
        break;
    case IDC_SELECTIVE_GENRES:
        if (item.itemID < lines_.genres.size()) {
            const GenreLine& line = lines_.genres[item.itemID];
            DrawLine(item, GenreSymbol(line.choice), line.name, true);
        }
        break;
    case IDC_SELECTIVE_KEY_INCLUDE:
        DrawLine(item, Symbol::Include, "Include Genre", false);
        break;
    case IDC_SELECTIVE_KEY_EXCLUDE:
        DrawLine(item, Symbol::Exclude, "Exclude Genre", false);
        break;
    case IDC_SELECTIVE_KEY_INDETERMINATE:
        DrawLine(item, Symbol::Indeterminate, "Indeterminate", false);
        break;
    case IDC_SELECTIVE_STARS: {
        // The filled stars cover w x (value + 1) / 10 of the strip.
        const RECT& r = item.rcItem;
        FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
        const int width = r.right - r.left;
        const int filled = width * int(lines_.stars + 1) / 10;
        if (!starsOff_.Empty() && !starsOn_.Empty()) {
            starsOff_.Draw(item.hDC, r.left, r.top);
            starsOn_.DrawPart(item.hDC, r.left, r.top, filled);
        } else {
            RECT on{r.left, r.top, r.left + filled, r.bottom};
            FillRect(item.hDC, &on, GetSysColorBrush(COLOR_HIGHLIGHT));
            FrameRect(item.hDC, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        }
        break;
    }
    default:
        break;
    }
}

void SelectiveDialog::SaveCriteria()
{
    FileDialogRequest request{"Save Selective Play Settings", kPresetFilter, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                              true, kLastFolderSetting};
    std::string path = ChooseFile(hwnd_, request);
    if (path.empty())
        return;
    if (_stricmp(ExtensionOf(path).c_str(), kPresetExtension) != 0)
        path += kPresetExtension;
    TakeYears();
    WriteCriteria(path, CriteriaFromLines(lines_));
    SetPresetName(path);
    ShowTitle();
}

// A preset that cannot be read shows the pages in their default state.
void SelectiveDialog::LoadCriteria()
{
    FileDialogRequest request{"Load Selective Play Settings", kPresetFilter, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST,
                              false, kLastFolderSetting};
    const std::string path = ChooseFile(hwnd_, request);
    if (path.empty())
        return;
    ShowCriteria(lines_, ReadCriteria(path));
    ShowLines();
    SetPresetName(path);
    ShowTitle();
}

// "OK", or with `clear` "No Selective Play": every line back to its
// default, no preset name, then as "OK".
void SelectiveDialog::Finish(bool clear)
{
    if (clear) {
        ResetCriteriaLines(lines_);
        ShowLines();
        SetPresetName(std::string());
        ShowTitle();
    }
    TakeYears();
    if (!apply_(CriteriaFromLines(lines_)))
        return;
    applied_ = true;
    EndDialog(hwnd_, IDOK);
}

}  // namespace

bool RunSelectivePlayDialog(HWND owner, HINSTANCE instance, const std::vector<std::string>& artists,
                            const std::vector<std::string>& genres, const std::string& criteriaFile,
                            const ApplyCriteria& apply)
{
    SelectiveDialog dialog(instance, MakeCriteriaLines(artists, genres), criteriaFile, apply);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SELECTIVE_PLAY), owner, SelectiveDialog::Proc,
                    reinterpret_cast<LPARAM>(&dialog));
    return dialog.Applied();
}

bool RunSelectivePlay(HWND owner, HINSTANCE instance, CollectionHost& host, const SelectionFiles& files)
{
    CollectionStore& store = host.Store();
    std::vector<std::string> genres;
    for (const GenreRecord& genre : store.Genres().Records())
        genres.emplace_back(genre.name, strnlen(genre.name, sizeof genre.name - 1));
    RunSelectivePlayDialog(owner, instance, store.ArtistNames(), genres, files.criteria,
                           [&host, &files](const SelectiveCriteria& criteria) {
                               if (ApplySelectivePlay(host, files, criteria) != SelectiveResult::ExcludesAllTracks)
                                   return true;
                               ShowMessage(kExcludesAllTracksMessage, kProgramTitle, MessageButtons::Ok,
                                           MessageIcon::Information);
                               return false;
                           });
    SetWindowTextA(owner, CollectionWindowTitle(store.ActivePath(), files.index).c_str());
    return SelectionIndexHasEntries(files.index);
}

void SortPassingTracksFirst(CollectionStore& store)
{
    SortState& state = TheSortState();
    state.descending = false;
    SortState passing = state;
    passing.sortKey = kSortStatus;
    SortTracks(store, passing, -1, -1);
}

}  // namespace vuv
