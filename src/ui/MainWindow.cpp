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
#include "ui/MissingFilesCommands.h"
#include "ui/PlayControlPanel.h"
#include "ui/PreferencesDialog.h"
#include "ui/PropertiesDialog.h"
#include "ui/RandomSelectorDialog.h"
#include "ui/SelectivePlayDialog.h"
#include "ui/SkinFont.h"
#include "ui/TrackList.h"
#include "ui/TrackListCommands.h"
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
    void PlaySelection(int id);
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

public:
    // The command routing: every menu and control command of the window and
    // what carries it out. A command id that is not here does nothing.
    struct CommandRoute {
        int id;
        void (*run)(MainWindow& window, int id, int code);
    };
    static const CommandRoute kRoutes[];
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
    tracks_.playingPath = [this] { return PlayingPath(play_.link); };
    tracks_.sendPlayingBoost = [this](int boost) { play_.link.volBoost.SetU32(uint32_t(boost)); };
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
    // "Always Display Track Playing" keeps the playing track in view every 2 s.
    if (++ticks_ > kTicksPerPlayingCheck && alwaysShowPlaying_) {
        ticks_ = 0;
        if (!FocusedRowIsPlaying(tracks_, link))
            ShowTrackPlaying(tracks_, link);
    }
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
            if (alwaysShowPlaying_ && !FocusedRowIsPlaying(tracks_, play_.link))
                alwaysShowPlaying_ = false;
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
    vuv::ShowTrackListMenu(hwnd_, instance_, tracks_, alwaysShowPlaying_, screen);
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
    FileDialogRequest dialog{};
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

void MainWindow::PlaySelection(int id)
{
    if (id != IDM_ENQUEUE_SELECTED)
        ResetPlayNowWindow(play_);
    const CollectionStore& store = TheCollectionStore();
    for (size_t row : tracks_.SelectedRows()) {
        const TrackRecord& track = store.Track(row);
        const QueueResult result = id == IDM_ENQUEUE_SELECTED ? Enqueue(play_, track) : PlayNow(play_, track);
        if (!result) {
            ReportQueueResult(result);
            break;
        }
    }
    if (id == IDM_PLAY_AND_CLOSE)
        EndDialog(hwnd_, 0);
}

const MainWindow::CommandRoute MainWindow::kRoutes[] = {
    // The track list's menu.
    {IDM_EDIT_TAG,
     [](MainWindow& w, int, int) {
         w.propertiesOpen_ = true;
         EditSelectedTracks(w.hwnd_, w.instance_, w.tracks_.Handle(), w);
         w.propertiesOpen_ = false;
         w.tracks_.Invalidate();
     }},
    {IDM_PLAY_SELECTED, [](MainWindow& w, int id, int) { w.PlaySelection(id); }},
    {IDM_PLAY_AND_CLOSE, [](MainWindow& w, int id, int) { w.PlaySelection(id); }},
    {IDM_ENQUEUE_SELECTED, [](MainWindow& w, int id, int) { w.PlaySelection(id); }},
    {IDM_PLAY_ALBUM, [](MainWindow& w, int, int) { PlayAlbum(w.tracks_, w.play_); }},
    {IDM_SELECT_ALBUM, [](MainWindow& w, int, int) { SelectAlbum(w.tracks_); }},
    {IDM_COPY, [](MainWindow& w, int, int) { CopySelected(w.hwnd_, w.tracks_); }},
    {IDM_REMOVE, [](MainWindow& w, int, int) { RemoveSelected(w.tracks_); }},
    {IDM_SHOW_TRACK_PLAYING, [](MainWindow& w, int, int) { ShowTrackPlaying(w.tracks_, w.play_.link); }},
    {IDM_ALWAYS_SHOW_PLAYING, [](MainWindow& w, int, int) { w.alwaysShowPlaying_ = !w.alwaysShowPlaying_; }},
    {IDM_CREATE_PLAYLIST, [](MainWindow& w, int, int) { CreatePlaylistFromSelected(w.tracks_); }},
    {IDM_HIGHLIGHT_1, [](MainWindow& w, int, int) { HighlightSelected(w.tracks_, 1); }},
    {IDM_HIGHLIGHT_2, [](MainWindow& w, int, int) { HighlightSelected(w.tracks_, 2); }},
    {IDM_HIGHLIGHT_3, [](MainWindow& w, int, int) { HighlightSelected(w.tracks_, 3); }},
    {IDM_HIGHLIGHT_4, [](MainWindow& w, int, int) { HighlightSelected(w.tracks_, 4); }},
    {IDM_HIGHLIGHT_CLEAR, [](MainWindow& w, int, int) { HighlightSelected(w.tracks_, 0); }},
    {IDM_EXPLORE_LOCATION, [](MainWindow& w, int, int) { ExploreToTrackLocation(w.tracks_); }},
    {IDM_REFRESH_FROM_TAG, [](MainWindow& w, int, int) { RefreshSelectedFromTags(w.tracks_); }},
    {IDM_REWRITE_TAG, [](MainWindow& w, int, int) { RewriteSelectedTags(w.tracks_); }},
    {IDM_DELETE_FILES, [](MainWindow& w, int, int) { DeleteSelectedFiles(w.tracks_, w.play_.link); }},
    {IDM_CONVERT_TO, [](MainWindow& w, int, int) { w.ConvertSelectedTracks(); }},
    {IDM_MUSICMOZ, [](MainWindow& w, int, int) { ViewMusicMozPage(w.tracks_); }},
    {IDM_PASTE_SHORTCUT, [](MainWindow& w, int id, int) { RunIntakeCommand(w.Intake(), id); }},
    // The "Add Music" button and its menu.
    {IDM_ADD_FOLDER, [](MainWindow& w, int id, int) { RunIntakeCommand(w.Intake(), id); }},
    {IDM_ADD_FILES, [](MainWindow& w, int id, int) { RunIntakeCommand(w.Intake(), id); }},
    {IDM_ADD_PLAYLIST_ENTRIES, [](MainWindow& w, int id, int) { RunIntakeCommand(w.Intake(), id); }},
    {IDM_ADD_PLAYLIST_ITEM, [](MainWindow& w, int id, int) { RunIntakeCommand(w.Intake(), id); }},
    {IDM_NEW_TRACK_PREFERENCES, [](MainWindow& w, int id, int) { RunIntakeCommand(w.Intake(), id); }},
    {IDM_NEW_TRACK_LOOKOUT, [](MainWindow& w, int id, int) { RunIntakeCommand(w.Intake(), id); }},
    // The search field and its menu.
    {IDC_SEARCH_FIELD, [](MainWindow& w, int, int code) { w.OnSearchField(code); }},
    {IDC_FIND_NEXT_DEFAULT,
     [](MainWindow& w, int, int) {
         w.alwaysShowPlaying_ = false;
         const int first = ListView_GetNextItem(w.tracks_.Handle(), -1, LVNI_SELECTED);
         w.ShowFound(FindMatchingTrack(TheCollectionStore(), first + 1, w.SearchText(), TheSearchFields()));
     }},
    {IDM_SEARCH_TITLE, [](MainWindow&, int, int) { TheSearchFields().title = !TheSearchFields().title; }},
    {IDM_SEARCH_ARTIST, [](MainWindow&, int, int) { TheSearchFields().artist = !TheSearchFields().artist; }},
    {IDM_SEARCH_ALBUM, [](MainWindow&, int, int) { TheSearchFields().album = !TheSearchFields().album; }},
    // The collection menu.
    {IDM_COLLECTION_NEW, [](MainWindow& w, int id, int) { w.RunCollectionCommand(id); }},
    {IDM_COLLECTION_SAVE_AS, [](MainWindow& w, int id, int) { w.RunCollectionCommand(id); }},
    {IDM_COLLECTION_LOAD, [](MainWindow& w, int id, int) { w.RunCollectionCommand(id); }},
    {IDM_COLLECTION_COMBINE, [](MainWindow& w, int id, int) { w.RunCollectionCommand(id); }},
    {IDM_CLEAR_ALL_TRACKS,
     [](MainWindow& w, int, int) {
         if (ClearAllTracks(TheCollectionStore())) {
             w.SetItemCount(0);
             w.Repaint();
         }
         w.RefreshStatus();
     }},
    {IDM_UNDO_EDITING, [](MainWindow& w, int, int) { w.Load(TheCollectionStore().ActivePath()); }},
    {IDM_RANDOM_SELECTOR,
     [](MainWindow& w, int, int) {
         RunRandomSelector(w.hwnd_, w.instance_, w.tracks_, w.play_.files);
         w.RefreshStatus();
     }},
    {IDM_HIGHLIGHT_MISSING, [](MainWindow& w, int, int) { HighlightMissingFilesCommand(w.tracks_); }},
    {IDM_LOCATE_MISSING, [](MainWindow& w, int, int) { LocateMissingFilesCommand(w.hwnd_, w.tracks_, w); }},
    {IDM_ARRANGE_FILES,
     [](MainWindow& w, int, int) {
         ArrangeFiles(w.hwnd_, w.instance_, w.arranging_, w);
         w.RefreshStatus();
     }},
    {IDM_EXPORT,
     [](MainWindow& w, int, int) {
         RunExportDialog(w.hwnd_, w.instance_);
         w.tracks_.Invalidate();
     }},
    {IDM_PREFERENCES,
     [](MainWindow& w, int, int) {
         // The widths as they are now, for the columns built again after.
         w.SaveListSettings();
         if (RunPreferencesDialog(w.hwnd_, w.instance_, w.tracks_.Order(), w.popupInfoTips_)) {
             w.tracks_.Invalidate();
             w.tracks_.DeleteColumns();
             w.tracks_.CreateColumns();
         }
     }},
    // The play control panel's menus.
    {IDM_SKIP, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_STOP, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_RANDOM_PLAY_TOGGLE, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_ENQUEUE_PLAYING, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_CLEAR_QUEUE, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_SHUFFLE_QUEUE, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_PLAYLIST_CREATOR, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_PLAY_START, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_RANDOM_PLAY_START, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_PLAY_PLAYLIST, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
    {IDM_ENQUEUE_PLAYLIST, [](MainWindow& w, int id, int) { w.panel_.Command(id); }},
};

void MainWindow::OnCommand(int id, int code)
{
    for (const CommandRoute& route : kRoutes)
        if (route.id == id) {
            route.run(*this, id, code);
            return;
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

std::vector<int> RoutedCommandIds()
{
    std::vector<int> ids;
    for (const MainWindow::CommandRoute& route : MainWindow::kRoutes)
        ids.push_back(route.id);
    return ids;
}

void RefreshStatus()
{
    if (gWindow)
        gWindow->RefreshStatus();
}

}  // namespace vuv
