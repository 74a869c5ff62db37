#include "ui/TrackListCommands.h"

#include "core/CollectionStore.h"
#include "core/TrackSort.h"
#include "naming/ConverterHandOff.h"
#include "platform/FileHandle.h"
#include "platform/FileRemoval.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/UserMessages.h"
#include "platform/Wait.h"
#include "player/PlayQueue.h"
#include "player/PlayerLink.h"
#include "plugins/TagCommands.h"
#include "resources/resource.h"
#include "ui/BusyCursor.h"
#include "ui/PlayControlPanel.h"
#include "ui/SiblingPrograms.h"
#include "ui/TrackCommandRules.h"
#include "ui/TrackList.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vuv {

namespace {

// The player has this long to let go of the playing file before it is deleted.
constexpr uint32_t kPlayerReleaseMs = 2000;
// At most this many files are named in the message of files not deleted.
constexpr size_t kMaxReportedFiles = 20;

HBITMAP LoadMenuImage(HINSTANCE instance, int id)
{
    return static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}

// The rows' tracks are gone from the store: no row stays selected (which
// the window hears of, and redraws its status line), and the list shows
// the new count.
void AfterRemoval(TrackList& list)
{
    ListView_SetItemState(list.Handle(), -1, 0, LVIS_SELECTED);
    list.SetItemCount();
    list.Invalidate();
}

// The focused track's album (cut at its field); false without a focused row.
bool FocusedAlbum(const TrackList& list, std::string& album)
{
    const int focused = list.FocusedRow();
    if (focused < 0)
        return false;
    const char* field = TheCollectionStore().Track(size_t(focused)).album;
    album.assign(field, strnlen(field, kTagTextSize - 1));
    return true;
}

}  // namespace

void ShowTrackListMenu(HWND window, HINSTANCE instance, const TrackList& list, bool alwaysShowPlaying, POINT screen)
{
    const int selected = list.SelectionSummary(nullptr);
    if (selected == 0)
        return;
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MENU_TRACK_LIST));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    if (!Exists(GetInstallFolder(false) + kConverterProgram))
        EnableMenuItem(popup, IDM_CONVERT_TO, MF_BYCOMMAND | MF_GRAYED);
    if (!IsClipboardFormatAvailable(CF_HDROP))
        EnableMenuItem(popup, IDM_PASTE_SHORTCUT, MF_BYCOMMAND | MF_GRAYED);
    const int focused = list.FocusedRow();
    if (focused < 0 || TheCollectionStore().Track(size_t(focused)).album[0] == '\0')
        EnableMenuItem(popup, IDM_PLAY_ALBUM, MF_BYCOMMAND | MF_GRAYED);
    if (selected != 1)
        EnableMenuItem(popup, IDM_MUSICMOZ, MF_BYCOMMAND | MF_GRAYED);
    const HBITMAP convert = LoadMenuImage(instance, IDB_MENU_CONVERT);
    const HBITMAP play = LoadMenuImage(instance, IDB_MENU_PLAY);
    const HBITMAP edit = LoadMenuImage(instance, IDB_MENU_EDIT_TAG);
    SetMenuItemBitmaps(popup, IDM_CONVERT_TO, MF_BYCOMMAND, convert, nullptr);
    for (UINT id : {IDM_PLAY_SELECTED, IDM_PLAY_AND_CLOSE, IDM_ENQUEUE_SELECTED})
        SetMenuItemBitmaps(popup, id, MF_BYCOMMAND, play, nullptr);
    SetMenuItemBitmaps(popup, IDM_EDIT_TAG, MF_BYCOMMAND, edit, nullptr);
    if (alwaysShowPlaying)
        CheckMenuItem(popup, IDM_ALWAYS_SHOW_PLAYING, MF_BYCOMMAND | MF_CHECKED);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window, nullptr);
    DestroyMenu(menu);
    for (HBITMAP b : {convert, play, edit})
        if (b)
            DeleteObject(b);
}

void PlayAlbum(const TrackList& list, PlayContext& play)
{
    std::string album;
    if (!FocusedAlbum(list, album))
        return;
    BusyCursor busy;
    const CollectionStore& store = TheCollectionStore();
    // No ResetPlayNowWindow: a play-now request of the last two seconds
    // queues the whole album behind it.
    for (size_t index : AlbumPlayOrder(store.Order(), store.Count(), album.c_str())) {
        const QueueResult result = PlayNow(play, store.Track(index));
        if (!result) {
            ReportQueueResult(result);
            break;
        }
    }
}

void SelectAlbum(TrackList& list)
{
    std::string album;
    if (!FocusedAlbum(list, album))
        return;
    BusyCursor busy;
    CollectionStore& store = TheCollectionStore();
    // Sorted by album with the automatic second key, so that each album's
    // tracks follow in track-number order; the program's sort state stays.
    SortState byAlbum = TheSortState();
    byAlbum.sortKey = kSortAlbum;
    byAlbum.secondKey = -1;
    const int follow = SortTracks(store, byAlbum, -1, -1, list.FocusedRow());
    list.Invalidate();
    if (follow >= 0)
        list.SelectOneRow(follow);
    HWND handle = list.Handle();
    ListView_SetItemState(handle, -1, 0, LVIS_SELECTED);
    for (size_t row = 0; row < store.Count(); ++row)
        if (strncmp(store.Track(row).album, album.c_str(), kTagTextSize) == 0)
            ListView_SetItemState(handle, int(row), LVIS_SELECTED, LVIS_SELECTED);
    const int nowFocused = list.FocusedRow();
    if (nowFocused >= 0)
        ListView_EnsureVisible(handle, nowFocused, FALSE);
}

void RemoveSelected(TrackList& list)
{
    const std::vector<size_t> rows = list.SelectedRows();
    if (rows.empty())
        return;
    BusyCursor busy;
    TheCollectionStore().RemoveTracks(rows);
    AfterRemoval(list);
}

void DeleteSelectedFiles(TrackList& list, PlayerLink& link)
{
    const std::vector<size_t> rows = list.SelectedRows();
    if (rows.empty() || !AskYesNo("PERMANENTLY DELETE selected music files from computers disk drive?"))
        return;
    std::vector<size_t> gone;
    std::vector<std::string> kept;  // "'path': reason"
    {
        BusyCursor busy;
        CollectionStore& store = TheCollectionStore();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            const std::string path = store.Track(*row).path;
            if (SamePath(path, PlayingPath(link))) {
                link.skip.Set();
                SleepMs(kPlayerReleaseMs);
            }
            const FileDeletion deletion = DeleteFileReporting(path);
            if (deletion.deleted)
                gone.push_back(*row);
            else
                kept.push_back("'" + path + "': " + deletion.reason);
        }
        store.RemoveTracks(gone);
        AfterRemoval(list);
    }
    if (kept.empty())
        return;
    std::string text = "Unable to delete " + std::to_string(kept.size()) +
                       (kept.size() == 1 ? " file; its track stays" : " files; their tracks stay") +
                       " in the Music Collection:";
    std::reverse(kept.begin(), kept.end());  // from the top, as the list shows them
    for (size_t i = 0; i < kept.size() && i < kMaxReportedFiles; ++i)
        text += "\r\n" + kept[i];
    if (kept.size() > kMaxReportedFiles)
        text += "\r\n... and " + std::to_string(kept.size() - kMaxReportedFiles) + " more.";
    ShowMessage(text, kProgramTitle, MessageButtons::Ok, MessageIcon::Warning);
}

void CopySelected(HWND window, const TrackList& list)
{
    std::vector<std::string> paths;
    for (size_t row : list.SelectedRows())
        paths.push_back(TheCollectionStore().Track(row).path);
    if (paths.empty() || !OpenClipboard(window))
        return;
    EmptyClipboard();
    const std::string block = FileDropBlock(paths);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, block.size());
    if (memory) {
        memcpy(GlobalLock(memory), block.data(), block.size());
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_HDROP, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

void HighlightSelected(TrackList& list, int highlight)
{
    for (size_t row : list.SelectedRows())
        SetHighlight(TheCollectionStore().Track(row), highlight);
    list.Invalidate();
}

void ShowTrackPlaying(TrackList& list, PlayerLink& link)
{
    BusyCursor busy;
    const std::string playing = PlayingPath(link);
    const int row = playing.empty() ? -1 : TheCollectionStore().FindTrackByPath(playing.c_str());
    if (row >= 0)
        list.SelectOneRow(row);
}

bool FocusedRowIsPlaying(const TrackList& list, PlayerLink& link)
{
    const int focused = list.FocusedRow();
    const std::string playing = PlayingPath(link);
    return focused >= 0 && !playing.empty() && SamePath(TheCollectionStore().Track(size_t(focused)).path, playing.c_str());
}

void CreatePlaylistFromSelected(const TrackList& list)
{
    const std::vector<size_t> rows = list.SelectedRows();
    if (rows.empty())
        return;
    BusyCursor busy;
    const std::string name = MakeTempFile("PLS");
    if (name.empty())
        return;
    RemoveFile(name);
    FileHandle file;
    file.Open(name, FileAccess::Write, FileDisposition::CreateAlways, false, true);
    if (!file.IsOpen())
        return;
    // Each path as its whole 260-byte field, from the top.
    for (size_t row : rows)
        file.Write(TheCollectionStore().Track(row).path, kPathTextSize);
    const std::string command = "\"" + SiblingProgramPath(SiblingProgram::Playlist) + "\" <passfiles>" + name;
    const bool started = RunProgram(command, false);
    file.Close();
    // Left for the playlist program to read; nobody reads it when it did
    // not start.
    if (!started)
        RemoveFile(name);
}

void ExploreToTrackLocation(const TrackList& list)
{
    const std::vector<size_t> rows = list.SelectedRows();
    if (rows.empty())
        return;
    RunProgram("explorer.exe \"" + FolderOf(TheCollectionStore().Track(rows.front()).path) + "\"", false);
}

void ViewMusicMozPage(const TrackList& list)
{
    const int focused = list.FocusedRow();
    if (focused < 0)
        return;
    const std::string address = MusicMozAddress(TheCollectionStore().Track(size_t(focused)).artist);
    ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void RefreshSelectedFromTags(TrackList& list)
{
    const std::vector<size_t> rows = list.SelectedRows();
    if (rows.empty())
        return;
    BusyCursor busy;
    RefreshFromIdTag(TheCollectionStore(), rows, true);
    list.Invalidate();
}

void RewriteSelectedTags(TrackList& list)
{
    const std::vector<size_t> rows = list.SelectedRows();
    if (rows.empty())
        return;
    BusyCursor busy;
    RewriteIdTag(TheCollectionStore(), rows, true);
    list.Invalidate();
}

}  // namespace vuv
