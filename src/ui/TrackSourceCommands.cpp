#include "ui/TrackSourceCommands.h"

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "core/TrackSort.h"
#include "intake/AddTracks.h"
#include "intake/HandOffFile.h"
#include "intake/IntakeSettings.h"
#include "intake/TrackSources.h"
#include "platform/Locations.h"
#include "platform/NamedEvent.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"
#include "platform/Wait.h"
#include "player/PlayQueue.h"
#include "resources/resource.h"
#include "ui/AddingTracksWindow.h"
#include "ui/FileDialog.h"
#include "ui/FolderBrowser.h"
#include "ui/NewTrackLookoutDialog.h"
#include "ui/NewTrackPreferencesDialog.h"
#include "ui/TrackList.h"

#include <commctrl.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vuv {

namespace {

constexpr UINT_PTR kHandOffTimer = 0x4144;  // the hand-off poll, beside the main window's timer 1

bool g_running = false;

// The collection logic's view of the main window during a run.
class WindowAddHost : public AddTracksHost {
public:
    explicit WindowAddHost(const IntakeWindow& window) : window_(window) {}

    void SetItemCount(size_t count) override
    {
        ListView_SetItemCountEx(window_.list->Handle(), int(count), LVSICF_NOSCROLL);
    }
    void SelectOnly(size_t index) override { window_.list->SelectOneRow(int(index)); }
    void AddToSelection(size_t first, size_t last) override
    {
        for (size_t i = first; i <= last; ++i)
            ListView_SetItemState(window_.list->Handle(), int(i), LVIS_SELECTED, LVIS_SELECTED);
    }
    bool SaveCollection() override
    {
        return window_.collection->Save(window_.collection->Store().ActivePath(), false);
    }
    // A queue file that stays locked has been reported once; the run then
    // queues nothing more rather than ask again for every track.
    void Enqueue(const TrackRecord& track) override
    {
        if (!enqueueFailed_)
            enqueueFailed_ = !vuv::Enqueue(*window_.play, track);
    }
    void StartPlayback() override { StartPlay(*window_.play); }
    // The list and the status line with the rest of the window.
    void Refresh() override
    {
        RedrawWindow(window_.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        SetForegroundWindow(window_.window);
    }

private:
    IntakeWindow window_;
    bool enqueueFailed_ = false;
};

// One add from its source's work to its end: the "Adding Tracks" window
// over the disabled main window.
class AddSession {
public:
    explicit AddSession(const IntakeWindow& window) : window_(window), progress(window.instance, window.window)
    {
        g_running = true;
        EnableWindow(window_.window, FALSE);
    }
    ~AddSession()
    {
        // Enabled before the progress window goes, so that the main window
        // gets the activation back.
        EnableWindow(window_.window, TRUE);
        g_running = false;
    }
    AddSession(const AddSession&) = delete;
    AddSession& operator=(const AddSession&) = delete;

    // AddTracks over the paths, with the settings as they are now.
    void Add(std::vector<std::string> paths)
    {
        AddRequest request;
        request.paths = std::move(paths);
        request.settings = LoadIntakeSettings();
        request.defaults = LoadNewTrackDefaults();
        request.sort = TheSortState();
        WindowAddHost host(window_);
        messages_ =
            AddResultMessages(AddTracks(request, window_.collection->Store(), progress, host), request.settings);
    }
    // The run's messages, once the window is free again.
    std::vector<std::string> TakeMessages() { return std::move(messages_); }

private:
    IntakeWindow window_;
    std::vector<std::string> messages_;

public:
    AddingTracksWindow progress;
};

// One add: `work` runs in the session (a source's own work, then Add); the
// run's messages follow once the window is free again, then it repaints.
void RunSession(const IntakeWindow& window, const std::function<void(AddSession&)>& work)
{
    std::vector<std::string> messages;
    {
        AddSession session(window);
        work(session);
        messages = session.TakeMessages();
    }
    for (const std::string& text : messages)
        ShowMessage(text, kProgramTitle, MessageButtons::Ok, MessageIcon::Error);
    RedrawWindow(window.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void AddPaths(const IntakeWindow& window, std::vector<std::string> paths)
{
    RunSession(window, [&paths](AddSession& session) { session.Add(std::move(paths)); });
}

void AddFolder(const IntakeWindow& window)
{
    const std::string folder = ChooseFolder(window.window, "Select a Folder Containing Your Music..");
    if (folder.empty())
        return;
    RunSession(window, [&folder](AddSession& session) {
        session.progress.SetHeadline("Searching For Music Files...");
        session.progress.SetDetail("");
        const bool recurse = GetNumber(kSearchSubFoldersSetting) == 0;
        session.progress.ClearCancel();
        std::vector<std::string> paths;
        if (ScanFolder(folder, paths, recurse, session.progress))  // a cancelled scan adds nothing
            session.Add(std::move(paths));
    });
}

enum class Pick { Files, PlaylistEntries, PlaylistAsItem };

// The three file pickers: the picked paths (a playlist expanded unless it
// is added as one item), after "LastAccessedFolder" took the pick's folder.
void AddPicked(const IntakeWindow& window, Pick pick)
{
    const std::string filter = pick == Pick::Files ? MusicFilesFilter() : PlaylistsFilter();
    FileDialogRequest request{pick == Pick::Files ? "Select Music File(s)" : "Select Playlist(s)", filter.c_str(),
                              OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST};
    request.folderSetting = kLastFolderPickedSetting;
    const std::vector<std::string> picked = ChooseFiles(window.window, request);
    if (picked.empty())
        return;  // cancelled
    std::vector<std::string> paths;
    for (const std::string& path : picked) {
        if (pick == Pick::PlaylistAsItem)
            paths.push_back(path);
        else
            ExpandPickedPath(paths, path);
    }
    AddPaths(window, std::move(paths));
}

// The paths of a drop handle, whole (a path longer than the 259 characters
// a track can hold is kept whole, so that AddTracks refuses it rather than
// add a cut one).
std::vector<std::string> DropPaths(HDROP drop)
{
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        path.resize(DragQueryFileA(drop, i, &path[0], length + 1));
        paths.push_back(path);
    }
    return paths;
}

void PasteShortcut(const IntakeWindow& window)
{
    if (!OpenClipboard(window.window))
        return;
    // The clipboard's list stays the clipboard's: it is not released.
    HDROP drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    std::vector<std::string> paths;
    if (drop)
        paths = DropPaths(drop);
    CloseClipboard();
    if (drop)
        AddPaths(window, std::move(paths));
}

// The hand-off file taken in once its burst of events is over: held from
// reading until it has been emptied, so that records written meanwhile wait
// for the next round. Nothing happens when the file does not exist or stays
// held.
void TakeInHandOffFile(const IntakeWindow& window)
{
    HandOffFile file;
    if (!file.Open(GetUserFile(kAddToEditorSuffix, false), [](uint32_t ms) { SleepMs(ms); }))
        return;
    RunSession(window, [&file](AddSession& session) {
        session.Add(file.ReadPaths());
        file.Empty();
    });
    SetForegroundWindow(window.window);
}

struct HandOffWatch {
    bool gathering = false;
    bool quiet = false;
    HandOffBurst burst;
    IntakeWindow window;
    NamedEvent* event = nullptr;
};
HandOffWatch g_watch;

VOID CALLBACK HandOffTick(HWND hwnd, UINT, UINT_PTR id, DWORD)
{
    HandOffWatch& w = g_watch;
    if (!w.quiet)
        w.quiet = w.burst.Poll(*w.event, GetTickCount());
    // Once quiet, the file waits until the window is free: no add running
    // and no modal dialog over it (which disables it).
    if (!w.quiet || g_running || !IsWindowEnabled(hwnd))
        return;
    KillTimer(hwnd, id);
    w.gathering = false;
    w.quiet = false;
    TakeInHandOffFile(w.window);
}

}  // namespace

bool IntakeRunning() { return g_running; }

bool RunIntakeCommand(const IntakeWindow& window, int id)
{
    switch (id) {
    case IDM_ADD_FOLDER:
    case IDM_ADD_FILES:
    case IDM_ADD_PLAYLIST_ENTRIES:
    case IDM_ADD_PLAYLIST_ITEM:
    case IDM_PASTE_SHORTCUT:
    case IDM_NEW_TRACK_PREFERENCES:
    case IDM_NEW_TRACK_LOOKOUT:
        // A command that reached the window while an add runs (posted
        // before it began) waits for nobody: the add has the collection.
        if (g_running)
            return true;
        break;
    default:
        return false;
    }
    switch (id) {
    case IDM_ADD_FOLDER:
        AddFolder(window);
        return true;
    case IDM_ADD_FILES:
        AddPicked(window, Pick::Files);
        return true;
    case IDM_ADD_PLAYLIST_ENTRIES:
        AddPicked(window, Pick::PlaylistEntries);
        return true;
    case IDM_ADD_PLAYLIST_ITEM:
        AddPicked(window, Pick::PlaylistAsItem);
        return true;
    case IDM_PASTE_SHORTCUT:
        PasteShortcut(window);
        return true;
    case IDM_NEW_TRACK_PREFERENCES:
        NewTrackPreferences(window.window, window.instance);
        return true;
    case IDM_NEW_TRACK_LOOKOUT:
        NewTrackLookout(window.window, window.instance);
        return true;
    default:
        return true;
    }
}

void AddDropped(const IntakeWindow& window, HDROP drop)
{
    if (!drop)
        return;
    std::vector<std::string> paths = DropPaths(drop);
    DragFinish(drop);
    if (!g_running)
        AddPaths(window, std::move(paths));
}

void WatchHandOff(const IntakeWindow& window, NamedEvent& fileToAdd)
{
    HandOffWatch& w = g_watch;
    if (w.gathering || !fileToAdd.IsSet())
        return;
    w.gathering = true;
    w.quiet = false;
    w.window = window;
    w.event = &fileToAdd;
    w.burst.Start(fileToAdd, GetTickCount());
    SetTimer(window.window, kHandOffTimer, kHandOffPollMs, HandOffTick);
}

}  // namespace vuv
