#include "ui/MainWindow.h"

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "core/QuickSearch.h"
#include "core/TrackSort.h"
#include "naming/ArrangeFiles.h"
#include "naming/ConverterHandOff.h"
#include "platform/Locations.h"
#include "plugins/TrackInfo.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"
#include "player/PlayQueue.h"
#include "player/PlayerLink.h"
#include "resources/resource.h"
#include "selection/SelectionIndex.h"
#include "selection/SelectivePlay.h"
#include "ui/ArrangeFilesDialog.h"
#include "ui/BusyCursor.h"
#include "ui/ButtonBar.h"
#include "ui/CollectionSaving.h"
#include "ui/ExportDialog.h"
#include "ui/FileDialog.h"
#include "ui/PlayControlPanel.h"
#include "ui/PreferencesDialog.h"
#include "ui/PropertiesDialog.h"
#include "ui/SelectivePlayDialog.h"
#include "ui/SkinFont.h"
#include "ui/TrackList.h"
#include "ui/TrackListRules.h"
#include "ui/TrackSourceCommands.h"
#include "ui/WindowPlacement.h"
#include "ui/WindowSkin.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vuv {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerMs = 250;
constexpr int kTicksPerPlayingCheck = 7;  // "Always Display Track Playing": every 2 s
constexpr int kLabelFontHeight = 12;
// Some dialog managers (Wine's) show a modal dialog "normal" the first time
// its queue goes empty, undoing the maximised or minimised placement made
// during creation. A restore within the first ticks after creation is taken
// for that and the placement is applied again.
constexpr UINT kReapplyPlacement = WM_APP + 1;
constexpr int kPlacementGuardTicks = 12;  // 3 s, also for a slow start

// The main window is also the program's load and save of the collection:
// besides the store it keeps the list, the title, the selection index and
// the player's files in step.
class MainWindow : public CollectionHost {
public:
    MainWindow(HINSTANCE instance, const MainWindowOptions& options)
        : instance_(instance), options_(options), play_(*options.play)
    {
    }

    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void RefreshStatus() const { InvalidateRect(hwnd_, &statusRect_, TRUE); }
    HWND Handle() const { return hwnd_; }

    // CollectionHost
    CollectionStore& Store() override { return TheCollectionStore(); }
    void Load(const std::string& path) override;
    bool Save(const std::string& path, bool sortFirst) override;

private:
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    void CreateTopButtons();
    void Layout();
    void PaintBackground(HDC dc);
    void DrawLabel(HDC dc, int x, int y, const std::string& text);
    void OnTimer();
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header, LPARAM lParam);
    void OnContextMenu(HWND over, POINT screen);
    void ShowTrackListMenu(POINT screen);
    void SaveAndEnd(bool closedByPlayer);
    void SaveListSettings();
    std::string SearchText() const;
    void OnSearchField(int code);
    void ShowSearchFieldMenu();
    void RunCollectionCommand(int id);
    void CombineFrom(const std::string& path);
    void ConvertSelectedTracks();
    int ActiveCount() const;
    IntakeWindow Intake() { return {hwnd_, &tracks_, instance_, this, &play_}; }
    void SetItemCount(size_t count) { ListView_SetItemCountEx(tracks_.Handle(), int(count), LVSICF_NOSCROLL); }
    void Repaint() { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }
    // Sorts with `state` and repaints; the focused track stays focused.
    void SortKeepingFocus(const SortState& state, int first, int last);
    // Makes a found track the only selected and focused one; -1: no change.
    void ShowFound(int index);

    HINSTANCE instance_;
    MainWindowOptions options_;
    PlayContext& play_;
    SelectionFiles selection_;
    HWND hwnd_ = nullptr;
    bool initialising_ = true;
    int shownAs_ = 0;  // SW_MAXIMIZE or SW_MINIMIZE when creation placed the window so
    int placementGuardTicks_ = 0;
    int splitter_ = 0;
    bool alwaysShowPlaying_ = false;
    bool popupInfoTips_ = true;
    int ticks_ = 0;
    // The last "TbPlayListChanged" seen; -1 before the first tick, so that
    // the first tick fills the queue view.
    int64_t lastPlayListChanged_ = -1;
    // Set while the track properties dialog runs: the timer then does
    // nothing, so that no play-count report changes the tracks under it.
    bool propertiesOpen_ = false;
    // The arrange pass while it runs: the store is the pass's then, and the
    // timer hands the play-count reports to it instead of applying them.
    ArrangeSession* arranging_ = nullptr;
    RECT statusRect_{};
    WindowSkin skin_;
    std::unique_ptr<ButtonBar> bar_;
    TrackList tracks_;
    PlayControlPanel panel_;
    SkinFont labelFont_;
    HBRUSH editBrush_ = nullptr;
};

MainWindow* gWindow = nullptr;

INT_PTR CALLBACK MainWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        gWindow = reinterpret_cast<MainWindow*>(lParam);
        gWindow->hwnd_ = hwnd;
    }
    if (message == WM_MEASUREITEM) {
        // Before WM_INITDIALOG: the list views ask while the dialog builds them.
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlID == IDC_TRACK_LIST) {
            measure->itemHeight = 18;
            return TRUE;
        }
        if (measure->CtlID == IDC_QUEUE_VIEW) {
            measure->itemHeight = 17;
            return TRUE;
        }
        return FALSE;
    }
    if (!gWindow || gWindow->hwnd_ != hwnd)
        return FALSE;
    return gWindow->Handle(message, wParam, lParam);
}

INT_PTR MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (bar_ && bar_->MessageFilter(hwnd_, message, wParam, lParam)) {
        if (message == WM_DRAWITEM)
            return TRUE;
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    switch (message) {
    case WM_INITDIALOG:
        Create();
        return TRUE;
    case WM_CLOSE:
        SaveAndEnd(false);
        return TRUE;
    case kReapplyPlacement:
        if (shownAs_ == SW_MAXIMIZE && !IsZoomed(hwnd_))
            ShowWindow(hwnd_, SW_MAXIMIZE);
        else if (shownAs_ == SW_MINIMIZE && !IsIconic(hwnd_))
            ShowWindow(hwnd_, SW_MINIMIZE);
        return TRUE;
    case WM_SIZE:
        if (placementGuardTicks_ > 0 && ((shownAs_ == SW_MAXIMIZE && wParam == SIZE_RESTORED) ||
                                         (shownAs_ == SW_MINIMIZE && wParam != SIZE_MINIMIZED))) {
            placementGuardTicks_ = 0;
            PostMessageA(hwnd_, kReapplyPlacement, 0, 0);
        }
        Layout();
        if (wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED)
            InvalidateRect(hwnd_, nullptr, TRUE);
        return TRUE;
    case WM_ERASEBKGND:
        if (initialising_)
            return FALSE;
        PaintBackground(reinterpret_cast<HDC>(wParam));
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_DRAWITEM: {
        if (initialising_)
            return FALSE;
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == IDC_TRACK_LIST)
            tracks_.Draw(*item);
        else if (item->CtlID == IDC_QUEUE_VIEW)
            panel_.DrawQueueLine(*item);
        else
            return FALSE;
        return TRUE;
    }
    case WM_NOTIFY: {
        LRESULT result = OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<HWND>(wParam), POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(hwnd_, IDC_SPLITTER))
            return reinterpret_cast<INT_PTR>(editBrush_);
        return FALSE;
    case WM_CTLCOLOREDIT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, skin_.colours.listText);
        SetBkMode(dc, TRANSPARENT);
        SetBkColor(dc, skin_.colours.listBackground);
        return reinterpret_cast<INT_PTR>(editBrush_);
    }
    case WM_TIMER:
        if (wParam == kTimerId)
            OnTimer();
        return TRUE;
    case WM_MOUSEWHEEL: {
        const WheelScroll scroll = WheelScrollFor(short(HIWORD(wParam)));
        for (int i = 0; i < scroll.steps; ++i)
            ListView_Scroll(tracks_.Handle(), 0, scroll.pixelsPerStep);
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        panel_.MouseDown(POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
        return TRUE;
    case WM_MOUSEMOVE:
        panel_.MouseMove(POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
        return TRUE;
    case WM_LBUTTONUP:
        panel_.MouseUp();
        return TRUE;
    case WM_DROPFILES:
        AddDropped(Intake(), reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_INITMENUPOPUP:
        panel_.PrepareMenu(reinterpret_cast<HMENU>(wParam));
        return FALSE;
    case WM_DESTROY:
        KillTimer(hwnd_, kTimerId);
        bar_.reset();
        return FALSE;
    default:
        return FALSE;
    }
}

void MainWindow::Create()
{
    // 1. The class icon; nothing is drawn until creation is complete.
    initialising_ = true;
    HICON icon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_VUV));
    SetClassLongPtrA(hwnd_, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_VUV), IMAGE_ICON, 16, 16, 0)));
    // 2. Flags kept in the settings.
    tracks_.editingAllowed = GetNumber("EditorLocked") == 0;
    LoadSearchFields();
    // 3. Dropped files; the colours.
    DragAcceptFiles(hwnd_, TRUE);
    // 4. The window's button bar.
    bar_ = std::make_unique<ButtonBar>(hwnd_, instance_);
    // 5. The window itself.
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    splitter_ = desktop.bottom * 2 / 3;
    if (!options_.selectiveMode) {
        const SavedPlacement placement = LoadPlacement();
        if (placement.kind == SavedPlacement::Minimised) {
            ShowWindow(hwnd_, SW_MAXIMIZE);
            ShowWindow(hwnd_, SW_MINIMIZE);
            shownAs_ = SW_MINIMIZE;
        } else if (placement.kind == SavedPlacement::Normal) {
            MoveWindow(hwnd_, placement.x, placement.y, placement.width, placement.height, FALSE);
        } else {
            ShowWindow(hwnd_, SW_MAXIMIZE);
            shownAs_ = SW_MAXIMIZE;
        }
    }
    skin_.Load(splitter_);
    editBrush_ = CreateSolidBrush(skin_.colours.listBackground);
    labelFont_.Create("MS Sans Serif", kLabelFontHeight, 0, false, false, false, true, skin_.colours.labelText);
    CreateTopButtons();

    tracks_.Attach(GetDlgItem(hwnd_, IDC_TRACK_LIST), &skin_);
    tracks_.trackInfoText = [](const TrackRecord& track) { return BuildTrackInfoText(track); };
    tracks_.Order() = LoadColumnOrder();
    tracks_.CreateColumns();
    HWND list = tracks_.Handle();
    ListView_SetBkColor(list, skin_.colours.listBackground);
    ListView_SetExtendedListViewStyle(list, LVS_EX_INFOTIP | LVS_EX_FULLROWSELECT);
    if (HWND tips = ListView_GetToolTips(list)) {
        SendMessageA(tips, TTM_SETDELAYTIME, TTDT_INITIAL, 2000);
        SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, 20000);
    }
    popupInfoTips_ = GetNumber("VUVNoPopupInfoTips") == 0;
    LoadSortSettings();
    // The search field sits between its label and the field menu button.
    SetWindowPos(GetDlgItem(hwnd_, IDC_SEARCH_FIELD), nullptr, 168, 9, 144, 200, SWP_NOZORDER | SWP_NOACTIVATE);

    // 6. The play control panel, then the layout.
    panel_.Create(hwnd_, instance_, *bar_, skin_, splitter_, !tracks_.editingAllowed, play_);
    panel_.onLockChanged = [this](bool locked) {
        tracks_.editingAllowed = !locked;
        tracks_.Invalidate();
    };
    panel_.onSelectivePlay = [this] {
        const bool inForce = RunSelectivePlay(hwnd_, instance_, *this, selection_);
        tracks_.Invalidate();
        if (inForce) {
            SortPassingTracksFirst(TheCollectionStore());
            Repaint();
            tracks_.SelectOneRow(0);
        }
        RefreshStatus();
        return inForce;
    };
    Layout();
    // 7. The collection of the last run (which also sets the title and the
    // item count).
    selection_ = UserSelectionFiles();
    Load(StartCollectionPath());
    // 8. The timer; drawing may begin.
    SetTimer(hwnd_, kTimerId, kTimerMs, nullptr);
    placementGuardTicks_ = shownAs_ ? kPlacementGuardTicks : 0;
    initialising_ = false;
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
    // 9. The selective-play mode shows only its dialog, over a window moved
    // out of sight, and ends with it.
    if (options_.selectiveMode) {
        MoveWindow(hwnd_, -100, -100, 0, 0, FALSE);
        RunSelectivePlay(hwnd_, instance_, *this, selection_);
        EndDialog(hwnd_, 0);
    }
}

void MainWindow::CreateTopButtons()
{
    const SkinImage& backdrop = skin_.backdrop;
    auto command = [this](int id) { return [this, id] { PostMessageA(hwnd_, WM_COMMAND, id, 0); }; };
    BitmapButton* add = bar_->AddButton(4, 3, SkinFilePath("Editor\\AddMusic.bmp"), command(IDM_ADD_FOLDER), 0,
                                        nullptr, nullptr, "", backdrop);
    BitmapButton* addMenu = bar_->AddButton(89, 3, SkinFilePath("Editor\\AddMusicMenu.bmp"), nullptr,
                                            IDR_MENU_ADD_MUSIC, nullptr, nullptr, "", backdrop);
    bar_->Link(add, addMenu);
    bar_->AddButton(316, 10, SkinFilePath("Editor\\FindSelection.bmp"), [this] { ShowSearchFieldMenu(); }, 0,
                    nullptr, nullptr, "Exclude Fields From Search", backdrop);
    bar_->AddButton(332, 13, SkinFilePath("Editor\\FindNext.bmp"), command(IDC_FIND_NEXT_DEFAULT), 0, nullptr,
                    nullptr, "Find Next Matching Track", backdrop);
    bar_->AddButton(370, 3, SkinFilePath("Editor\\Collection.bmp"), nullptr, IDR_MENU_COLLECTION, nullptr, nullptr,
                    "", backdrop);
    bar_->AddButton(470, 3, SkinFilePath("Editor\\Selected-Tracks.bmp"),
                    [this] {
                        POINT at{470, 33};
                        ClientToScreen(hwnd_, &at);
                        ShowTrackListMenu(at);
                    },
                    0, nullptr, nullptr, "", backdrop);
}

void MainWindow::Layout()
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int w = client.right, h = client.bottom, s = splitter_;
    InvalidateRect(hwnd_, nullptr, TRUE);
    MoveWindow(GetDlgItem(hwnd_, IDC_TRACK_LIST), 7, 39, w - 14, s - 42, FALSE);
    MoveWindow(GetDlgItem(hwnd_, IDC_SPLITTER), 0, s, w, 5, FALSE);
    MoveWindow(GetDlgItem(hwnd_, IDC_QUEUE_VIEW), 9, s + 28, w - 18, h - (s + 8) - 29, FALSE);
    panel_.PlaceLock(w);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MainWindow::DrawLabel(HDC dc, int x, int y, const std::string& text)
{
    labelFont_.SetColour(skin_.colours.labelShadow);
    labelFont_.Draw(dc, x + 1, y + 1, text);
    labelFont_.SetColour(skin_.colours.labelText);
    labelFont_.Draw(dc, x, y, text);
}

void MainWindow::PaintBackground(HDC dc)
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int w = client.right, h = client.bottom, s = splitter_;
    const SkinImage& backdrop = skin_.backdrop;
    // 1. Tiles; a row of tiles that would cross the splitter line is cut
    // there, and tiling starts again at the line.
    if (!backdrop.Empty()) {
        const int bw = backdrop.Width(), bh = backdrop.Height();
        for (int y = 0; y < h;) {
            const int band = (y < s && y + bh > s) ? s - y : bh;
            for (int x = 0; x < w; x += bw)
                BitBlt(dc, x, y, bw, band, backdrop.Dc(), 0, 0, SRCCOPY);
            y += band;
        }
    }
    // 2. Labels.
    DrawLabel(dc, 15, s + 12, "Play Control");
    DrawLabel(dc, 130, 13, "Search");
    skin_.quickFind.Draw(dc, 113, 12);
    // 3. The status text, right-aligned 34 pixels from the right edge.
    const int selected = tracks_.SelectionSummary(nullptr);
    const std::string status = StatusText(selected, ActiveCount(), int(TheCollectionStore().Count()));
    const int textWidth = labelFont_.TextWidth(status);
    DrawLabel(dc, w - 34 - textWidth, s + 12, status);
    statusRect_ = RECT{w - 183, s + 12, w - 33, s + 12 + labelFont_.TextHeight(status)};
    // 4. Raised frames around the top bar and the lower panel.
    auto raised = [dc](int left, int top, int right, int bottom) {
        HPEN light = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        HPEN dark = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
        HGDIOBJ old = SelectObject(dc, light);
        MoveToEx(dc, left, bottom, nullptr);
        LineTo(dc, left, top);
        LineTo(dc, right, top);
        SelectObject(dc, dark);
        LineTo(dc, right, bottom);
        LineTo(dc, left, bottom);
        SelectObject(dc, old);
        DeleteObject(light);
        DeleteObject(dark);
    };
    raised(2, 2, w - 3, 36);
    raised(5, s + 8, w - 7, h - 7);
    // 5. The play position and volume bars.
    panel_.PositionAndVolume(dc);
}

void MainWindow::OnTimer()
{
    if (placementGuardTicks_ > 0)
        --placementGuardTicks_;
    if (propertiesOpen_)
        return;
    PlayerLink& link = Link();
    // A second start asks this editor to come to the front.
    if (link.editorSetFocus.IsSet()) {
        link.editorSetFocus.Reset();
        if (IsIconic(hwnd_))
            ShowWindow(hwnd_, SW_RESTORE);
        SetForegroundWindow(hwnd_);
    }
    panel_.Tick();
    WatchHandOff(Intake(), link.fileToAdd);
    const uint32_t changed = link.playListChanged.GetU32();
    if (lastPlayListChanged_ != int64_t(changed)) {
        lastPlayListChanged_ = changed;
        panel_.FillQueueView();
        tracks_.Invalidate();
    }
    if (arranging_) {
        // No save, sort or close under the pass: the close request waits
        // for the tick after it.
        if (arranging_->TakePlayCountReport(link) >= 0)
            tracks_.Invalidate();
        return;
    }
    if (link.close.IsSet() && !IntakeRunning()) {
        SaveAndEnd(true);
        return;
    }
    // Through the read-only order: most ticks bring no report, and only a
    // report applied changes the store.
    CollectionStore& store = TheCollectionStore();
    const CollectionStore& reading = store;
    if (TakePlayCountReport(link, reading.Order(), reading.Count()) >= 0) {
        store.NoteChange();
        tracks_.Invalidate();
    }
    // "Always Display Track Playing" keeps the playing track in view every
    // 2 s once "Show Track Playing" is in the program.
    if (++ticks_ > kTicksPerPlayingCheck && alwaysShowPlaying_)
        ticks_ = 0;
}

LRESULT MainWindow::OnNotify(const NMHDR& header, LPARAM lParam)
{
    if (header.idFrom == IDC_QUEUE_VIEW && header.code == LVN_GETINFOTIPA) {
        panel_.QueueTip(*reinterpret_cast<NMLVGETINFOTIPA*>(lParam));
        return 0;
    }
    if (header.idFrom == IDC_TRACK_LIST) {
        switch (header.code) {
        case LVN_GETINFOTIPA:
            if (popupInfoTips_)
                tracks_.FillInfoTip(*reinterpret_cast<NMLVGETINFOTIPA*>(lParam));
            break;
        case LVN_ITEMCHANGED:
            RefreshStatus();
            break;
        case LVN_COLUMNCLICK: {
            const int position = reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem;
            if (position >= 0 && position < FilledColumnCount(tracks_.Order())) {
                const int focus = OnColumnClick(TheCollectionStore(), TheSortState(), tracks_.Order()[position],
                                                tracks_.FocusedRow());
                Repaint();
                if (focus >= 0)
                    tracks_.SelectOneRow(focus);
            }
            break;
        }
        case NM_DBLCLK:
            if (!tracks_.IsEditCellClick(*reinterpret_cast<const NMITEMACTIVATE*>(lParam)))
                OnCommand(IDM_PLAY_SELECTED, 0);
            break;
        case NM_CLICK:
            tracks_.OnClick(*reinterpret_cast<const NMITEMACTIVATE*>(lParam));
            break;
        default:
            break;
        }
    }
    return 0;
}

void MainWindow::ShowTrackListMenu(POINT screen)
{
    if (tracks_.SelectionSummary(nullptr) == 0)
        return;
    HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_MENU_TRACK_LIST));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    if (!Exists(GetInstallFolder(false) + kConverterProgram))
        EnableMenuItem(popup, IDM_CONVERT_TO, MF_BYCOMMAND | MF_GRAYED);
    if (!IsClipboardFormatAvailable(CF_HDROP))
        EnableMenuItem(popup, IDM_PASTE_SHORTCUT, MF_BYCOMMAND | MF_GRAYED);
    const int focused = tracks_.FocusedRow();
    if (focused < 0 || TheCollectionStore().Track(size_t(focused)).album[0] == '\0')
        EnableMenuItem(popup, IDM_PLAY_ALBUM, MF_BYCOMMAND | MF_GRAYED);
    if (tracks_.SelectionSummary(nullptr) != 1)
        EnableMenuItem(popup, IDM_MUSICMOZ, MF_BYCOMMAND | MF_GRAYED);
    HBITMAP convert = static_cast<HBITMAP>(LoadImageA(instance_, MAKEINTRESOURCEA(IDB_MENU_CONVERT), IMAGE_BITMAP,
                                                      0, 0, LR_LOADMAP3DCOLORS));
    HBITMAP play = static_cast<HBITMAP>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDB_MENU_PLAY), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    HBITMAP edit = static_cast<HBITMAP>(
        LoadImageA(instance_, MAKEINTRESOURCEA(IDB_MENU_EDIT_TAG), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    SetMenuItemBitmaps(popup, IDM_CONVERT_TO, MF_BYCOMMAND, convert, nullptr);
    for (UINT id : {IDM_PLAY_SELECTED, IDM_PLAY_AND_CLOSE, IDM_ENQUEUE_SELECTED})
        SetMenuItemBitmaps(popup, id, MF_BYCOMMAND, play, nullptr);
    SetMenuItemBitmaps(popup, IDM_EDIT_TAG, MF_BYCOMMAND, edit, nullptr);
    if (alwaysShowPlaying_)
        CheckMenuItem(popup, IDM_ALWAYS_SHOW_PLAYING, MF_BYCOMMAND | MF_CHECKED);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
    for (HBITMAP b : {convert, play, edit})
        if (b)
            DeleteObject(b);
}

void MainWindow::OnContextMenu(HWND over, POINT screen)
{
    if (over == tracks_.Handle()) {
        if (screen.x == -1 && screen.y == -1) {  // from the keyboard: at the focused row
            RECT r{};
            ListView_GetItemRect(tracks_.Handle(), std::max(tracks_.FocusedRow(), 0), &r, LVIR_BOUNDS);
            screen = POINT{r.left + 20, r.bottom};
            ClientToScreen(tracks_.Handle(), &screen);
        }
        ShowTrackListMenu(screen);
    } else if (over == GetDlgItem(hwnd_, IDC_QUEUE_VIEW)) {
        panel_.QueueMenu(screen);
    }
}

int MainWindow::ActiveCount() const
{
    // Tracks that pass the selective play criteria; 0 while none is left
    // out (no selective play in force).
    const CollectionStore& store = TheCollectionStore();
    int passing = 0;
    bool anyExcluded = false;
    for (size_t i = 0; i < store.Count(); ++i) {
        if (store.Track(i).flags & kFlagNotInSelection)
            anyExcluded = true;
        else
            ++passing;
    }
    return anyExcluded ? passing : 0;
}

std::string MainWindow::SearchText() const
{
    char text[kMaxSearchText + 1] = "";
    GetWindowTextA(GetDlgItem(hwnd_, IDC_SEARCH_FIELD), text, sizeof text);
    return text;
}

void MainWindow::OnSearchField(int code)
{
    HWND field = GetDlgItem(hwnd_, IDC_SEARCH_FIELD);
    switch (code) {
    case CBN_SELCHANGE: {
        alwaysShowPlaying_ = false;
        const LRESULT chosen = SendMessageA(field, CB_GETCURSEL, 0, 0);
        const LRESULT length = chosen >= 0 ? SendMessageA(field, CB_GETLBTEXTLEN, WPARAM(chosen), 0) : -1;
        if (length >= 0) {
            std::string entry(size_t(length) + 1, '\0');
            SendMessageA(field, CB_GETLBTEXT, WPARAM(chosen), reinterpret_cast<LPARAM>(&entry[0]));
            entry.resize(size_t(length));
            ShowFound(FindMatchingTrack(TheCollectionStore(), 0, entry, TheSearchFields()));
        }
        break;
    }
    case CBN_EDITCHANGE:
        alwaysShowPlaying_ = false;
        ShowFound(FindMatchingTrack(TheCollectionStore(), 0, SearchText(), TheSearchFields()));
        break;
    case CBN_DROPDOWN: {
        const std::string text = SearchText();
        SendMessageA(field, CB_RESETCONTENT, 0, 0);
        // The store's artist names never hold the empty name.
        for (const std::string& artist : TheCollectionStore().ArtistNames())
            SendMessageA(field, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(artist.c_str()));
        SetWindowTextA(field, text.c_str());
        break;
    }
    default:
        break;
    }
}

void MainWindow::ShowSearchFieldMenu()
{
    HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_MENU_SEARCH_FIELDS));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    const SearchFields& fields = TheSearchFields();
    CheckMenuItem(popup, IDM_SEARCH_TITLE, MF_BYCOMMAND | (fields.title ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(popup, IDM_SEARCH_ARTIST, MF_BYCOMMAND | (fields.artist ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(popup, IDM_SEARCH_ALBUM, MF_BYCOMMAND | (fields.album ? MF_CHECKED : MF_UNCHECKED));
    POINT at{316, 31};
    ClientToScreen(hwnd_, &at);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
}

void MainWindow::RunCollectionCommand(int id)
{
    constexpr const char* kFilter = "Music Collection\0*.mcc\0";
    FileDialogSpec dialog{};
    switch (id) {
    case IDM_COLLECTION_NEW:
        dialog = {"Create New Music Collection", kFilter, OFN_PATHMUSTEXIST, false, kCollectionFolderSetting};
        break;
    case IDM_COLLECTION_SAVE_AS:
        dialog = {"Save Music Collection", kFilter, OFN_PATHMUSTEXIST, true, kCollectionFolderSetting};
        break;
    case IDM_COLLECTION_LOAD:
        dialog = {"Load Music Collection", kFilter, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false,
                  kCollectionFolderSetting};
        break;
    default:
        dialog = {"Select Music Collection to Combine", kFilter, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false,
                  kLastFolderSetting};
        break;
    }
    const std::string file = ChooseFile(hwnd_, dialog);
    if (file.empty())
        return;
    switch (id) {
    case IDM_COLLECTION_NEW:
        NewCollection(*this, file);
        break;
    case IDM_COLLECTION_SAVE_AS:
        SaveCollectionAs(*this, file);
        break;
    case IDM_COLLECTION_LOAD:
        LoadCollectionFromFile(*this, file);
        break;
    default:
        CombineFrom(file);
        break;
    }
    RefreshStatus();
}

void MainWindow::CombineFrom(const std::string& path)
{
    BusyCursor busy;
    CollectionStore& store = TheCollectionStore();
    const CombineResult result = CombineCollection(store, path);
    const std::string refusal = CombineRefusalText(result, path);
    if (!refusal.empty())
        ShowMessage(refusal, kProgramTitle, MessageButtons::Ok, MessageIcon::Warning);
    SetItemCount(store.Count());
    // Exactly the added tracks end up selected, the first of them focused.
    if (result.added) {
        tracks_.SelectOneRow(int(result.firstAdded));
        for (size_t i = result.firstAdded; i < store.Count(); ++i)
            ListView_SetItemState(tracks_.Handle(), int(i), LVIS_SELECTED, LVIS_SELECTED);
    }
    Repaint();
}

void MainWindow::Load(const std::string& path)
{
    BusyCursor busy;
    CollectionStore& store = TheCollectionStore();
    // The pending report may name a track of the collection being left.
    ClearPlayCountReport(play_.link);
    if (store.LoadCollection(path).outcome == LoadOutcome::TooLarge)
        ShowMessage(CollectionTooLargeText(path), kProgramTitle, MessageButtons::Ok, MessageIcon::Warning);
    play_.files.collection = store.ActivePath();
    SetWindowTextA(hwnd_, CollectionWindowTitle(store.ActivePath(), selection_.index).c_str());
    SetItemCount(store.Count());
    const std::string playing = PlayingPath(play_.link);
    if (!playing.empty()) {
        const int index = store.FindTrackByPath(playing.c_str());
        if (index >= 0)
            tracks_.SelectOneRow(index);
    }
    MarkNotInSelection(store.Order(), store.Count(), selection_.index);
    Repaint();
    RefreshStatus();
}

bool MainWindow::Save(const std::string& path, bool sortFirst)
{
    BusyCursor busy;
    if (sortFirst)
        SortKeepingFocus(SaveSortState(TheSortState()), -1, -1);
    const bool saved = SaveCollectionAsking(TheCollectionStore(), path, selection_);
    Repaint();
    return saved;
}

void MainWindow::SortKeepingFocus(const SortState& state, int first, int last)
{
    const int focus = SortTracks(TheCollectionStore(), state, first, last, tracks_.FocusedRow());
    Repaint();
    if (focus >= 0)
        tracks_.SelectOneRow(focus);
}

void MainWindow::ShowFound(int index)
{
    if (index >= 0)
        tracks_.SelectOneRow(index);
}

void MainWindow::OnCommand(int id, int code)
{
    switch (id) {
    case IDM_ALWAYS_SHOW_PLAYING:
        alwaysShowPlaying_ = !alwaysShowPlaying_;
        break;
    case IDM_EDIT_TAG:
        propertiesOpen_ = true;
        EditSelectedTracks(hwnd_, instance_, tracks_.Handle(), *this);
        propertiesOpen_ = false;
        tracks_.Invalidate();
        break;
    case IDM_PLAY_SELECTED:
    case IDM_PLAY_AND_CLOSE:
    case IDM_ENQUEUE_SELECTED: {
        PlayContext& play = play_;
        if (id != IDM_ENQUEUE_SELECTED)
            ResetPlayNowWindow(play);
        CollectionStore& store = TheCollectionStore();
        HWND list = tracks_.Handle();
        for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0 && size_t(row) < store.Count();
             row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
            const TrackRecord& track = *store.Order()[row];
            const QueueResult result = id == IDM_ENQUEUE_SELECTED ? Enqueue(play, track) : PlayNow(play, track);
            if (!result) {
                ReportQueueResult(result);
                break;
            }
        }
        if (id == IDM_PLAY_AND_CLOSE)
            EndDialog(hwnd_, 0);
        break;
    }
    case IDC_SEARCH_FIELD:
        OnSearchField(code);
        break;
    case IDC_FIND_NEXT_DEFAULT: {
        alwaysShowPlaying_ = false;
        const int first = ListView_GetNextItem(tracks_.Handle(), -1, LVNI_SELECTED);
        ShowFound(FindMatchingTrack(TheCollectionStore(), first + 1, SearchText(), TheSearchFields()));
        break;
    }
    case IDM_SEARCH_TITLE:
        TheSearchFields().title = !TheSearchFields().title;
        break;
    case IDM_SEARCH_ARTIST:
        TheSearchFields().artist = !TheSearchFields().artist;
        break;
    case IDM_SEARCH_ALBUM:
        TheSearchFields().album = !TheSearchFields().album;
        break;
    case IDM_COLLECTION_NEW:
    case IDM_COLLECTION_SAVE_AS:
    case IDM_COLLECTION_LOAD:
    case IDM_COLLECTION_COMBINE:
        RunCollectionCommand(id);
        break;
    case IDM_CLEAR_ALL_TRACKS:
        if (ClearAllTracks(TheCollectionStore())) {
            SetItemCount(0);
            Repaint();
        }
        RefreshStatus();
        break;
    case IDM_UNDO_EDITING:
        Load(TheCollectionStore().ActivePath());
        break;
    case IDM_ARRANGE_FILES:
        ArrangeFiles(hwnd_, instance_, arranging_, *this);
        RefreshStatus();
        break;
    case IDM_CONVERT_TO:
        ConvertSelectedTracks();
        break;
    case IDM_EXPORT:
        RunExportDialog(hwnd_, instance_);
        tracks_.Invalidate();
        break;
    case IDM_PREFERENCES:
        // The widths as they are now, for the columns built again after.
        SaveListSettings();
        if (RunPreferencesDialog(hwnd_, instance_, tracks_.Order(), popupInfoTips_)) {
            tracks_.Invalidate();
            tracks_.DeleteColumns();
            tracks_.CreateColumns();
        }
        break;
    default:
        // The adding of music, then the play control panel's commands;
        // commands of parts that are not in the program yet do nothing.
        if (!RunIntakeCommand(Intake(), id))
            panel_.Command(id);
        break;
    }
}

void MainWindow::ConvertSelectedTracks()
{
    // The selected rows in collection order.
    const CollectionStore& store = TheCollectionStore();
    std::vector<std::string> paths;
    HWND list = tracks_.Handle();
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0 && size_t(row) < store.Count();
         row = ListView_GetNextItem(list, row, LVNI_SELECTED))
        paths.push_back(store.Track(size_t(row)).path);
    ConvertSelected(paths, GetInstallFolder(false), Link().converterWaiting);
}

void MainWindow::SaveListSettings()
{
    SetNumber(panel_.Locked() ? 1 : 0, "EditorLocked");
    SaveSearchFields();
    SaveColumnSettings(tracks_.Order(), [this](int position) { return tracks_.ColumnWidthAt(position); });
}

void MainWindow::SaveAndEnd(bool closedByPlayer)
{
    SetNumber(closedByPlayer ? 1 : 0, "VUV-Start");
    if (!options_.selectiveMode) {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        SavePlacement(IsIconic(hwnd_) != FALSE, IsZoomed(hwnd_) != FALSE, r.left, r.top, r.right, r.bottom);
    }
    // The collection, sorted; after a failure the user chose Cancel, and the
    // window ends all the same.
    Save(TheCollectionStore().ActivePath(), true);
    SaveListSettings();
    EndDialog(hwnd_, 0);
}

}  // namespace

INT_PTR RunMainWindow(HINSTANCE instance, const MainWindowOptions& options)
{
    MainWindow window(instance, options);
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, MainWindow::Proc,
                                     reinterpret_cast<LPARAM>(&window));
    gWindow = nullptr;
    return result;
}

HWND MainWindowHandle() { return gWindow ? gWindow->Handle() : nullptr; }

void RefreshStatus()
{
    if (gWindow)
        gWindow->RefreshStatus();
}

}  // namespace vuv
