#include "ui/PropertiesDialog.h"

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "core/GenreDeletion.h"
#include "core/TrackRecord.h"
#include "platform/UserMessages.h"
#include "plugins/FileTagEdit.h"
#include "plugins/StandardGenres.h"
#include "plugins/TagCommands.h"
#include "plugins/TrackEdit.h"
#include "plugins/TrackInfo.h"
#include "resources/resource.h"
#include "ui/BusyCursor.h"
#include "ui/GenreDialogs.h"
#include "ui/PropertiesPlacement.h"
#include "ui/SkinImage.h"
#include "ui/TagWriteProgress.h"
#include "ui/ValueStrips.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <unordered_map>
#include <vector>

namespace vuv {

namespace {

constexpr int kMaxFieldText = 1000;  // characters read from a field
constexpr int kGenreRowHeight = 16;
constexpr int kPageLeft = 20;  // pixels, in the dialog's client area
constexpr int kPageTop = 40;
constexpr int kFirstListedYear = 1995;
enum Page { kGeneral = 0, kDetails = 1, kPageCount = 2 };

// The dialog's state from opening to closing.
struct Properties {
    HINSTANCE instance = nullptr;
    bool fileMode = false;
    std::string filePath;              // file mode
    CollectionHost* collection = nullptr;  // track mode
    CollectionStore* store = nullptr;      // track mode: the collection's
    std::vector<size_t> rows;          // track mode: store indexes, from the top
    bool multi = false;
    HWND frame = nullptr;
    HWND pages[kPageCount] = {};
    int shownPage = -1;
    ValueStrips strips;
    std::unordered_map<uint16_t, GenreState> genreStates;
    SkinImage stateImages[3];  // by GenreState: excluded, included, mixed
    TrackEditResult result;    // of OK in track mode
    bool confirmed = false;
};

// A failed write was told (and retried as the user chose) by the host.
void SaveUnsorted(CollectionHost& collection) { collection.Save(collection.Store().ActivePath(), false); }

std::string FieldText(HWND page, int id)
{
    char text[kMaxFieldText + 1] = "";
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

void SetNumberField(HWND page, int id, int value)
{
    SetDlgItemTextA(page, id, value != 0 ? std::to_string(value).c_str() : "");
}

void ShowControls(HWND page, std::initializer_list<int> ids, bool show)
{
    for (int id : ids)
        ShowWindow(GetDlgItem(page, id), show ? SW_SHOW : SW_HIDE);
}

// --- pages ----------------------------------------------------------------

std::string DetailsText(const Properties& p)
{
    if (p.fileMode) {
        TrackRecord track = CreateTrackRecord(p.filePath.c_str());
        FillTrackFromFile(track, nullptr);
        return BuildTrackDetailsText(track);
    }
    if (p.multi || p.rows.empty())
        return std::string();
    return BuildTrackInfoText(p.store->Track(p.rows.front()));
}

void ShowPage(Properties& p, int index)
{
    if (index < 0 || index >= kPageCount || index == p.shownPage)
        return;
    if (index == kDetails) {
        HWND text = GetDlgItem(p.pages[kDetails], IDC_DETAILS_TEXT);
        if (GetWindowTextLengthA(text) == 0)
            SetWindowTextA(text, DetailsText(p).c_str());
    }
    for (HWND page : p.pages)
        ShowWindow(page, SW_HIDE);
    ShowWindow(p.pages[index], SW_SHOW);
    p.shownPage = index;
}

HWND GenreList(const Properties& p) { return GetDlgItem(p.pages[kGeneral], IDC_GENRE_LIST); }

void AddGenreRow(Properties& p, uint16_t id, GenreState state)
{
    const char* name = p.store->Genres().NameOf(id);
    const LRESULT row = SendMessageA(GenreList(p), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name ? name : ""));
    if (row >= 0)
        SendMessageA(GenreList(p), LB_SETITEMDATA, WPARAM(row), id);
    p.genreStates[id] = state;
}

void DrawGenreRow(const Properties& p, const DRAWITEMSTRUCT& item)
{
    RECT row = item.rcItem;
    FillRect(item.hDC, &row, GetSysColorBrush(COLOR_WINDOW));
    if (item.itemID != UINT(-1)) {
        auto it = p.genreStates.find(uint16_t(item.itemData));
        const GenreState state = it == p.genreStates.end() ? GenreState::Excluded : it->second;
        p.stateImages[int(state)].Draw(item.hDC, row.left + 4, row.top + 2);
        char name[kTagTextSize] = "";
        if (SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) < LRESULT(sizeof name))
            SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
        RECT text{row.left + 18, row.top, row.right, row.bottom};
        DrawTextA(item.hDC, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &row);
}

// A selection in the genre list toggles each selected row (included becomes
// excluded; excluded and mixed become included) and is then taken away.
void ToggleSelectedGenres(Properties& p)
{
    HWND list = GenreList(p);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        if (SendMessageA(list, LB_GETSEL, WPARAM(row), 0) <= 0)
            continue;
        GenreState& state = p.genreStates[uint16_t(SendMessageA(list, LB_GETITEMDATA, WPARAM(row), 0))];
        state = state == GenreState::Included ? GenreState::Excluded : GenreState::Included;
        SendMessageA(list, LB_SETSEL, FALSE, row);
    }
    InvalidateRect(list, nullptr, TRUE);
}

void NewGenre(Properties& p)
{
    const uint16_t id = RunNewGenreDialog(p.pages[kGeneral], p.instance, p.store->Genres());
    if (id != 0)
        AddGenreRow(p, id, GenreState::Excluded);
}

// The chosen genres leave the list, the tracks and the genre list, and the
// collection is saved at once (Cancel of the properties dialog keeps that).
void DeleteGenres(Properties& p)
{
    const std::vector<uint16_t> ids = RunDeleteGenreDialog(p.pages[kGeneral], p.instance, p.store->Genres());
    if (ids.empty())
        return;
    HWND list = GenreList(p);
    for (uint16_t id : ids) {
        for (LRESULT row = SendMessageA(list, LB_GETCOUNT, 0, 0) - 1; row >= 0; --row)
            if (uint16_t(SendMessageA(list, LB_GETITEMDATA, WPARAM(row), 0)) == id)
                SendMessageA(list, LB_DELETESTRING, WPARAM(row), 0);
        p.genreStates.erase(id);
        DeleteGenreFromCollection(*p.store, id);
    }
    SaveUnsorted(*p.collection);
}

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {
        // Sent while the list is created, before WM_INITDIALOG.
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlID != IDC_GENRE_LIST)
            return FALSE;
        measure->itemHeight = kGenreRowHeight;
        return TRUE;
    }
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(page, DWLP_USER, lParam);
        return FALSE;  // the focus stays with the frame
    }
    auto* p = reinterpret_cast<Properties*>(GetWindowLongPtrA(page, DWLP_USER));
    if (p == nullptr)
        return FALSE;
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == IDC_GENRE_LIST)
            DrawGenreRow(*p, *item);
        else if (!p->strips.Draw(*item))
            return FALSE;
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_NEW_GENRE && HIWORD(wParam) == BN_CLICKED)
            NewGenre(*p);
        else if (LOWORD(wParam) == IDC_DELETE_GENRE && HIWORD(wParam) == BN_CLICKED)
            DeleteGenres(*p);
        else if (LOWORD(wParam) == IDC_GENRE_LIST && HIWORD(wParam) == LBN_SELCHANGE)
            ToggleSelectedGenres(*p);
        else
            return FALSE;
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK DetailsPageProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// --- opening ----------------------------------------------------------------

HWND CreatePage(Properties& p, int id, DLGPROC proc)
{
    HWND page = CreateDialogParamA(p.instance, MAKEINTRESOURCEA(id), p.frame, proc, reinterpret_cast<LPARAM>(&p));
    // Found by its resource id; above the tab control, which it lies on.
    SetWindowLongPtrA(page, GWLP_ID, id);
    SetWindowPos(page, HWND_TOP, kPageLeft, kPageTop, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    return page;
}

void InsertTab(HWND tabs, int index, const char* text)
{
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    SendMessageA(tabs, TCM_INSERTITEMA, WPARAM(index), reinterpret_cast<LPARAM>(&item));
}

void OpenTrackMode(Properties& p)
{
    HWND page = p.pages[kGeneral];
    const std::string title =
        p.multi ? std::string("Editing - [Multiple Items Selected]")
                : "Editing - '" + std::string(p.store->Track(p.rows.front()).path) + "'";
    SetWindowTextA(p.frame, title.c_str());
    p.strips.Create(page);

    HWND artists = GetDlgItem(page, IDC_ARTIST), albums = GetDlgItem(page, IDC_ALBUM);
    for (const std::string& name : p.store->ArtistNames())
        if (!name.empty())
            SendMessageA(artists, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    for (const std::string& name : p.store->AlbumNames())
        if (!name.empty())
            SendMessageA(albums, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    p.stateImages[int(GenreState::Excluded)].LoadResource(p.instance, IDB_GENRE_EXCLUDED);
    p.stateImages[int(GenreState::Included)].LoadResource(p.instance, IDB_GENRE_INCLUDED);
    p.stateImages[int(GenreState::Mixed)].LoadResource(p.instance, IDB_GENRE_MIXED);

    const TrackSelectionSummary summary = SummariseTracks(*p.store, p.rows);
    for (const GenreChoice& choice : summary.genres)
        AddGenreRow(p, choice.id, choice.state);
    SetWindowTextA(artists, summary.artist.c_str());
    SetWindowTextA(albums, summary.album.c_str());
    SetDlgItemTextA(page, IDC_TITLE, summary.title.c_str());
    EnableWindow(GetDlgItem(page, IDC_TITLE), !p.multi);
    SetNumberField(page, IDC_YEAR, summary.year);
    SetNumberField(page, IDC_TRACK_NUMBER, summary.trackNumber);
    p.strips.preference = summary.preference;
    p.strips.volumeBoost = summary.volumeBoost;
}

void OpenFileMode(Properties& p)
{
    HWND page = p.pages[kGeneral];
    HWND genres = GetDlgItem(page, IDC_FILE_GENRE);
    for (const char* name : kStandardGenres)
        SendMessageA(genres, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ShowControls(page, {IDC_FILE_GENRE, IDC_COMMENT, IDC_COMMENT_LABEL}, true);
    ShowControls(page, {IDC_NEW_GENRE, IDC_DELETE_GENRE, IDC_GENRE_LIST, IDC_PREFERENCE_LABEL, IDC_BOOST_LABEL},
                 false);
    const FileTagFields fields = ReadFileTagFields(p.filePath);
    SetDlgItemTextA(page, IDC_ARTIST, fields.artist.c_str());
    SetDlgItemTextA(page, IDC_TITLE, fields.title.c_str());
    SetDlgItemTextA(page, IDC_ALBUM, fields.album.c_str());
    SetDlgItemTextA(page, IDC_YEAR, fields.year.c_str());
    SetDlgItemTextA(page, IDC_FILE_GENRE, fields.genre.c_str());
    SetDlgItemTextA(page, IDC_COMMENT, fields.comment.c_str());
    SetDlgItemTextA(page, IDC_TRACK_NUMBER, fields.track.c_str());
    SetWindowTextA(p.frame, ("Tonbrook Editing - '" + p.filePath + "'").c_str());
    // Without a main window, the dialog is the program's window.
    SetWindowLongPtrA(p.frame, GWL_EXSTYLE, GetWindowLongPtrA(p.frame, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    SendMessageA(p.frame, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconA(p.instance, MAKEINTRESOURCEA(IDI_VUV))));
}

void Open(Properties& p)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const RECT placed = PropertiesDialogRect(cursor, work);
    MoveWindow(p.frame, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, FALSE);

    HWND tabs = GetDlgItem(p.frame, IDC_PROPERTIES_TABS);
    InsertTab(tabs, kGeneral, "General");
    if (p.fileMode || !p.multi)
        InsertTab(tabs, kDetails, "Details");

    p.pages[kGeneral] = CreatePage(p, IDD_PROPERTIES_GENERAL, GeneralPageProc);
    p.pages[kDetails] = CreatePage(p, IDD_PROPERTIES_DETAILS, DetailsPageProc);
    SYSTEMTIME now{};
    GetSystemTime(&now);
    HWND years = GetDlgItem(p.pages[kGeneral], IDC_YEAR);
    for (int year = now.wYear; year >= kFirstListedYear; --year)
        SendMessageA(years, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(year).c_str()));
    ShowPage(p, kGeneral);
    if (p.fileMode)
        OpenFileMode(p);
    else
        OpenTrackMode(p);
}

// --- OK -------------------------------------------------------------------

void ConfirmTrackMode(Properties& p)
{
    HWND page = p.pages[kGeneral];
    TrackEdit edit;
    edit.artist = FieldText(page, IDC_ARTIST);
    if (!p.multi)
        edit.title = FieldText(page, IDC_TITLE);
    edit.album = FieldText(page, IDC_ALBUM);
    edit.year = FieldText(page, IDC_YEAR);
    edit.trackNumber = FieldText(page, IDC_TRACK_NUMBER);
    edit.preference = p.strips.preference;
    edit.volumeBoost = p.strips.volumeBoost;
    HWND list = GenreList(p);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        const uint16_t id = uint16_t(SendMessageA(list, LB_GETITEMDATA, WPARAM(row), 0));
        edit.genres.push_back({id, p.genreStates[id]});
    }

    // The frame stays disabled while the tags are written; the progress
    // window keeps the thread's windows alive.
    EnableWindow(p.frame, FALSE);
    {
        BusyCursor busy;
        TagWriteProgress progress(p.frame, p.instance);
        p.result = ApplyTrackEdit(*p.store, p.rows, edit,
                                  [&progress](size_t done, size_t total) { return progress.Step(done, total); });
    }
    EnableWindow(p.frame, TRUE);
    p.confirmed = true;
    EndDialog(p.frame, IDOK);
}

// A refusal is told and the dialog stays, so that the user can try again
// (the file is as the writes before the refusal left it) or cancel.
void ConfirmFileMode(Properties& p)
{
    HWND page = p.pages[kGeneral];
    FileTagFields fields;
    fields.artist = FieldText(page, IDC_ARTIST);
    fields.title = FieldText(page, IDC_TITLE);
    fields.album = FieldText(page, IDC_ALBUM);
    fields.year = FieldText(page, IDC_YEAR);
    fields.genre = FieldText(page, IDC_FILE_GENRE);
    fields.comment = FieldText(page, IDC_COMMENT);
    fields.track = FieldText(page, IDC_TRACK_NUMBER);
    FileTagWriteResult result;
    {
        BusyCursor busy;
        result = WriteFileTagFields(p.filePath, fields);
    }
    if (!result.refusal.empty()) {
        ShowMessage(UnwrittenTagsMessage({"'" + p.filePath + "': " + result.refusal}), kProgramTitle,
                    MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    EndDialog(p.frame, IDOK);
}

INT_PTR CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(frame, DWLP_USER, lParam);
        auto* p = reinterpret_cast<Properties*>(lParam);
        p->frame = frame;
        Open(*p);
        return TRUE;
    }
    auto* p = reinterpret_cast<Properties*>(GetWindowLongPtrA(frame, DWLP_USER));
    if (p == nullptr)
        return FALSE;
    switch (message) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom != IDC_PROPERTIES_TABS || header->code != TCN_SELCHANGE)
            return FALSE;
        ShowPage(*p, int(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            if (p->fileMode)
                ConfirmFileMode(*p);
            else
                ConfirmTrackMode(*p);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(frame, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

std::vector<size_t> SelectedRows(HWND list)
{
    std::vector<size_t> rows;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED))
        rows.push_back(size_t(row));
    return rows;
}

}  // namespace

void EditSelectedTracks(HWND mainWindow, HINSTANCE instance, HWND trackList, CollectionHost& collection)
{
    Properties p;
    p.instance = instance;
    p.collection = &collection;
    p.store = &collection.Store();
    p.rows = TracksInCollectionOrder(SelectedRows(trackList), p.store->Count());
    if (p.rows.empty())
        return;
    p.multi = p.rows.size() > 1;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROPERTIES), mainWindow, FrameProc, reinterpret_cast<LPARAM>(&p));
    if (!p.confirmed)
        return;
    SaveUnsorted(collection);
    if (!p.result.unwritten.empty())
        ShowMessage(UnwrittenTagsMessage(UnwrittenTagLines(p.result.unwritten)), kProgramTitle, MessageButtons::Ok,
                    MessageIcon::Warning);
}

void EditFileTag(HINSTANCE instance, const std::string& path)
{
    Properties p;
    p.instance = instance;
    p.fileMode = true;
    p.filePath = path;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROPERTIES), nullptr, FrameProc, reinterpret_cast<LPARAM>(&p));
}

}  // namespace vuv
