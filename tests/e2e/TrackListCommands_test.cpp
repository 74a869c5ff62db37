// The track list's commands as a user meets them: a right click on a row
// opens the menu, keys choose a command, and the collection, the files and
// the list follow; the playing track in the list; and the collection
// menu's missing files commands and random selector. Each test starts the
// real Vuv.exe.
#include "e2e/EditorDriver.h"
#include "core/CollectionFile.h"
#include "core/TrackRecord.h"
#include "platform/Paths.h"
#include "player/PlayerLink.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int kTrackList = 1008;
constexpr int kMessageText = 0xFFFF;  // the text of a message box

// The items of the track list's menu as the arrow keys meet them
// (separators are passed over), and of its "Advanced" submenu.
enum MenuItem { kEditTag, kPlay, kPlayAndClose, kPlayAlbum, kSelectAlbum, kEnqueue, kCopy, kPaste, kRemove,
                kShowPlaying, kAdvanced };
enum AdvancedItem { kAlwaysShowPlaying, kCreatePlaylist, kHighlightState, kExplore, kRefresh, kRewrite, kDelete };

// "path<TAB>artist<TAB>title<TAB>album<TAB>year<TAB>track<TAB>genres<TAB>ms ..." (see vuvtool demo-collection)
std::string Line(const std::string& path, const std::string& artist, const std::string& album, int number)
{
    return path + "\t" + artist + "\tTitle\t" + album + "\t2001\t" + std::to_string(number) +
           "\tJazz\t240000\t192\t44100\t2\t9\t0\t0\t500\t1";
}

HWND Header(HWND list) { return reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)); }

int RowY(HWND list, int row)
{
    RECT r{};
    GetClientRect(Header(list), &r);
    return r.bottom + row * 18 + 9;
}

std::string Selected(HWND list)
{
    std::string rows;
    for (int row = -1; (row = int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(row), LVNI_SELECTED))) >= 0;)
        rows += std::to_string(row) + " ";
    return rows;
}

int Count(HWND list) { return int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

void Screenshot(const vuvtest::Capture& shot, const char* name)
{
    const std::string dir = vuvtest::ScreenshotDir();
    if (!dir.empty()) {
        EXPECT_TRUE(vuvtest::SavePng(shot, dir + name));
    }
}

// The shell's folder browser that asks with the locate command's title.
BOOL CALLBACK FindFolderBrowser(HWND window, LPARAM found)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window) &&
        FindWindowExA(window, nullptr, nullptr, "Locate Missing Tracks In..")) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

class TrackListCommandsTest : public testing::Test {
protected:
    TrackListCommandsTest() : link_(vuvtest::EditorLinkPrefix()) {}

    void SetUp() override
    {
        vuvtest::ClearEditorSettings();
        const vuv::TrackRecord none{};
        link_.trackPlaying.Set(&none);
    }
    void TearDown() override
    {
        vuvtest::ClearEditorSettings();
        const vuv::TrackRecord none{};
        link_.trackPlaying.Set(&none);
        for (const char* name : {"VUVRandomSel", "VUVRandomTracks", "VUVRandomLength"})
            vuvtest::DeleteProgramValue(name);
    }

    // Music files named in `files` exist; the collection lists `lines`.
    void UseCollection(const std::vector<std::string>& files, const std::vector<std::string>& lines)
    {
        for (const std::string& name : files)
            ASSERT_TRUE(vuvtest::WriteBytes(folder_.File(name), "not really music"));
        ASSERT_TRUE(vuvtest::WriteCollection(folder_.File("m.tsv"), Collection(), lines));
        vuvtest::SetProgramText("ActiveMusicCollection", Collection());
    }
    std::string Collection() const { return folder_.File("Commands.mcc"); }
    std::vector<vuv::TrackRecord> Saved() const
    {
        std::vector<vuv::TrackRecord> tracks;
        EXPECT_TRUE(vuv::ReadTrackFile(Collection(), tracks, false));
        return tracks;
    }

    void Click(int row, WPARAM keys = 0, int x = 60)
    {
        PostMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, RowY(list_, row)));
        PostMessageA(list_, WM_LBUTTONUP, keys, MAKELPARAM(x, RowY(list_, row)));
        vuvtest::Pause(400);
    }
    // A right click on the row (with the pointer there) opens the menu.
    HWND OpenMenu(int row)
    {
        POINT at{80, RowY(list_, row)};
        ClientToScreen(list_, &at);
        SetCursorPos(at.x, at.y);
        PostMessageA(list_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(80, RowY(list_, row)));
        PostMessageA(list_, WM_RBUTTONUP, 0, MAKELPARAM(80, RowY(list_, row)));
        HWND menu = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32768", nullptr, 5000);
        EXPECT_NE(menu, nullptr) << "no menu";
        return menu;
    }
    static void Key(HWND menu, WPARAM key, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            PostMessageA(menu, WM_KEYDOWN, key, 0);
            vuvtest::Pause(60);
        }
    }
    // Walks the menu down to an item (and into "Advanced" and further
    // submenus, `path` giving the item in each) and presses Enter.
    void Choose(int row, std::initializer_list<int> path)
    {
        HWND menu = OpenMenu(row);
        if (!menu)
            return;
        bool first = true;
        for (int item : path) {
            if (!first)
                Key(menu, VK_RIGHT);  // opens the submenu on its first item
            Key(menu, VK_DOWN, first ? item + 1 : item);
            first = false;
        }
        Key(menu, VK_RETURN);
        vuvtest::Pause(500);
    }
    // The message box the editor shows now: its text; it is answered with
    // `button` (IDOK, IDYES ...).
    std::string Answer(int button)
    {
        HWND box = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Tonbrook", 10000);
        if (!box)
            return "no message";
        const std::string text = vuvtest::WindowText(GetDlgItem(box, kMessageText));
        PostMessageA(box, WM_COMMAND, WPARAM(button), 0);
        vuvtest::Pause(500);
        return text;
    }
    // The colour at (x, y) of a row's cell, relative to the list's client area.
    COLORREF At(int row, int x, int y) const
    {
        POINT origin{0, RowY(list_, row) - 9};
        ClientToScreen(list_, &origin);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, origin.x + x, origin.y + y);
        ReleaseDC(nullptr, screen);
        return colour;
    }
    bool Start()
    {
        if (!editor_.Start())
            return false;
        list_ = editor_.Control(kTrackList);
        return true;
    }

    vuv::PlayerLink link_;
    vuvtest::ScratchFolder folder_;
    vuvtest::Editor editor_;
    HWND list_ = nullptr;
};

}  // namespace

// Highlights, Copy, Select Album, Delete (one file cannot go: its track
// stays and the message says why; the playing one is skipped first) and
// Remove (of one track, and of none), chosen from the menu.
TEST_F(TrackListCommandsTest, MenuCommandsChangeTheCollectionAndTheFiles)
{
    UseCollection({"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3", "f.mp3"},
                  {Line(folder_.File("a.mp3"), "A", "Blue", 2), Line(folder_.File("b.mp3"), "B", "Red", 1),
                   Line(folder_.File("c.mp3"), "C", "Blue", 1), Line(folder_.File("d.mp3"), "D", "Green", 1),
                   Line(folder_.File("e.mp3"), "E", "Green", 2), Line(folder_.File("f.mp3"), "F", "Blue", 3)});
    ASSERT_TRUE(SetFileAttributesA(folder_.File("e.mp3").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(Start());

    // Rows 0 and 1 get highlight #3: its blue badge in the mark column.
    Click(0);
    Click(1, MK_CONTROL);
    Choose(1, {kAdvanced, kHighlightState, 2});
    EXPECT_EQ(At(0, 2 + 3, 2 + 7), RGB(86, 186, 250));
    EXPECT_EQ(At(1, 2 + 3, 2 + 7), RGB(86, 186, 250));

    // Copy puts the file on the clipboard as a file-drop list.
    Click(2);
    Choose(2, {kCopy});
    ASSERT_TRUE(OpenClipboard(nullptr));
    HDROP drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    char copied[MAX_PATH] = "";
    if (drop)
        DragQueryFileA(drop, 0, copied, sizeof copied);
    CloseClipboard();
    EXPECT_EQ(std::string(copied), folder_.File("c.mp3"));

    // Select Album: sorted by album, then track number; Blue is c, a, f.
    Click(0);
    Choose(0, {kSelectAlbum});
    EXPECT_EQ(Selected(list_), "0 1 2 ");
    // Now d and e (Green) are rows 3 and 4; d plays.
    vuv::TrackRecord playing{};
    const std::string upper = folder_.File("D.MP3");
    strcpy(playing.path, upper.c_str());
    link_.trackPlaying.Set(&playing);
    link_.skip.Reset();
    Click(3);
    Click(4, MK_CONTROL);
    Choose(4, {kAdvanced, kDelete});
    EXPECT_EQ(Answer(IDYES), "PERMANENTLY DELETE selected music files from computers disk drive?");
    EXPECT_EQ(Answer(IDOK), "Unable to delete 1 file; its track stays in the Music Collection:\r\n'" +
                                folder_.File("e.mp3") + "': the file is read-only");
    EXPECT_TRUE(link_.skip.IsSet());
    EXPECT_FALSE(vuv::Exists(folder_.File("d.mp3")));
    EXPECT_TRUE(vuv::Exists(folder_.File("e.mp3")));
    EXPECT_EQ(Count(list_), 5);

    // Remove of row 0 (c), then of nothing: only c leaves.
    Click(0);
    Choose(0, {kRemove});
    EXPECT_EQ(Count(list_), 4);
    Click(20);  // below the rows: nothing selected
    EXPECT_EQ(Selected(list_), "");
    PostMessageA(editor_.Window(), WM_COMMAND, 40025, 0);
    vuvtest::Pause(300);
    EXPECT_EQ(Count(list_), 4);
    EXPECT_EQ(editor_.Close(), 0);

    std::string saved;
    for (const vuv::TrackRecord& t : Saved())
        saved += std::string(t.artist) + ":" + std::to_string(t.flags) + " ";
    EXPECT_EQ(saved, "A:32 B:32 E:0 F:0 ");
    SetFileAttributesA(folder_.File("e.mp3").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The playing track: selected at start, drawn bold with the playing mark,
// its volume boost sent to the player from a click; "Show Track Playing"
// and "Always Display Track Playing" (which a click in the list turns off);
// Remove of the playing track and then of every track.
TEST_F(TrackListCommandsTest, ThePlayingTrackInTheList)
{
    // Columns: mark, Artist, Volume Boost, Track.
    for (auto [position, type] : {std::pair<int, int>{0, 0}, {1, 1}, {2, 13}, {3, 2}, {4, -1}})
        vuvtest::SetProgramNumber(("VUV-ColumnOdr" + std::to_string(position)).c_str(), DWORD(type));
    UseCollection({}, {Line("C:\\m\\x1.mp3", "Same Name", "X", 1), Line("C:\\m\\x2.mp3", "Same Name", "X", 2),
                       Line("C:\\m\\y.mp3", "Other", "Y", 1), Line("C:\\m\\z.mp3", "Other", "Z", 1)});
    vuv::TrackRecord playing{};
    strcpy(playing.path, "c:\\M\\X2.MP3");
    link_.trackPlaying.Set(&playing);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Selected(list_), "1 ");

    // Unselected, the playing row shows the playing mark and its artist in
    // bold: more ink than the same name in the row above.
    Click(20);
    auto marked = [this](int row) {
        int green = 0;
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 18; ++y)
                green += At(row, x, y) == RGB(76, 204, 122);
        return green;
    };
    EXPECT_GT(marked(1), 20);
    EXPECT_EQ(marked(0), 0);
    auto ink = [this](int row) {
        int dark = 0;
        const COLORREF background = At(row, 100, 1);
        for (int x = 24; x < 140; ++x)
            for (int y = 2; y < 16; ++y)
                dark += At(row, x, y) != background;
        return dark;
    };
    EXPECT_GT(ink(1), ink(0) + 10);

    // A second click at the far left of its Volume Boost cell: automatic,
    // told to the player at once.
    link_.volBoost.SetU32(0);
    Click(1, 0, 20 + 143 + 5);
    Click(1, 0, 20 + 143 + 5);
    EXPECT_EQ(link_.volBoost.GetU32(), 4000u);

    // "Show Track Playing" from row 3.
    Click(3);
    Choose(3, {kShowPlaying});
    EXPECT_EQ(Selected(list_), "1 ");

    // "Always Display Track Playing": the keys move away, and within two
    // seconds the playing track is shown again. The menu shows the check.
    Choose(1, {kAdvanced, kAlwaysShowPlaying});
    PostMessageA(list_, WM_KEYDOWN, VK_DOWN, 0);
    vuvtest::Pause(300);
    EXPECT_EQ(Selected(list_), "2 ");
    vuvtest::Pause(2500);
    EXPECT_EQ(Selected(list_), "1 ");
    HWND menu = OpenMenu(1);
    Key(menu, VK_DOWN, kAdvanced + 1);
    Key(menu, VK_RIGHT);
    vuvtest::Pause(300);
    Screenshot(vuvtest::CaptureClient(editor_.Window()), "context-menu.png");
    Key(menu, VK_ESCAPE, 2);
    // A click on another row turns it off.
    Click(3);
    vuvtest::Pause(2500);
    EXPECT_EQ(Selected(list_), "3 ");

    // Remove the playing track; nothing then shows it. Remove every track.
    Click(1);
    Choose(1, {kRemove});
    EXPECT_EQ(Count(list_), 3);
    Click(2);
    Choose(2, {kShowPlaying});
    EXPECT_EQ(Selected(list_), "2 ");
    Click(0);
    Click(2, MK_SHIFT);
    Choose(2, {kRemove});
    EXPECT_EQ(Count(list_), 0);
    EXPECT_EQ(editor_.Close(), 0);
    EXPECT_TRUE(Saved().empty());
}

// The collection menu (its button, then keys): the random selector with
// its calculator and settings, "Highlight Missing Files" with its message
// and marks, and the folder browser of "Locate Missing Files".
TEST_F(TrackListCommandsTest, RandomSelectorAndMissingFiles)
{
    UseCollection({"1.mp3", "2.mp3", "3.mp3", "4.mp3"},
                  {Line(folder_.File("1.mp3"), "A1", "X", 1), Line(folder_.File("2.mp3"), "A2", "X", 2),
                   Line(folder_.File("gone 1.mp3"), "A3", "X", 3), Line(folder_.File("3.mp3"), "A4", "X", 4),
                   Line(folder_.File("gone 2.mp3"), "A5", "X", 5), Line(folder_.File("4.mp3"), "A6", "X", 6)});
    ASSERT_TRUE(Start());
    auto collectionMenu = [this](int item) {
        POINT at{380, 15};  // the "Collection" button: the bar looks where the pointer is
        ClientToScreen(editor_.Window(), &at);
        SetCursorPos(at.x, at.y);
        PostMessageA(editor_.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(380, 15));
        PostMessageA(editor_.Window(), WM_LBUTTONUP, 0, MAKELPARAM(380, 15));
        HWND menu = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32768", nullptr, 5000);
        ASSERT_NE(menu, nullptr);
        Key(menu, VK_DOWN, item + 1);
        Key(menu, VK_RETURN);
    };
    enum { kRandomSelector = 7, kHighlightMissing = 9, kLocateMissing = 10 };

    collectionMenu(kRandomSelector);
    HWND dialog = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Random Selector", 5000);
    ASSERT_NE(dialog, nullptr);
    auto item = [dialog](int id) { return GetDlgItem(dialog, id); };
    enum { kByCount = 1101, kTracks = 1102, kByLength = 1103, kMinutes = 1104, kMb = 1105, kKbps = 1106,
           kCalculate = 1107 };
    // Nothing stored: by length, 50 tracks, 60 minutes.
    EXPECT_EQ(SendMessageA(item(kByLength), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(item(kTracks)));
    EXPECT_EQ(vuvtest::WindowText(item(kTracks)) + " " + vuvtest::WindowText(item(kMinutes)), "50 60");
    SendMessageA(item(kMb), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("650"));
    SendMessageA(item(kKbps), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("128"));
    PostMessageA(item(kCalculate), BM_CLICK, 0, 0);
    EXPECT_TRUE(vuvtest::WaitForText(item(kMinutes), "693", 3000));
    Screenshot(vuvtest::CaptureWindow(dialog), "random-selector.png");
    PostMessageA(item(kByCount), BM_CLICK, 0, 0);
    vuvtest::Pause(300);
    EXPECT_TRUE(IsWindowEnabled(item(kTracks)));
    EXPECT_FALSE(IsWindowEnabled(item(kCalculate)));
    SendMessageA(item(kTracks), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("3"));
    PostMessageA(item(IDOK), BM_CLICK, 0, 0);
    vuvtest::Pause(1000);
    EXPECT_FALSE(IsWindow(dialog));
    // Three tracks marked #4, sorted to the top and selected.
    EXPECT_EQ(Selected(list_), "0 1 2 ");
    EXPECT_EQ(At(0, 2 + 3, 2 + 7), RGB(222, 120, 230));
    DWORD byCount = 0, tracks = 0, minutes = 0;
    EXPECT_TRUE(vuvtest::ProgramNumber("VUVRandomSel", &byCount) && vuvtest::ProgramNumber("VUVRandomTracks", &tracks) &&
                vuvtest::ProgramNumber("VUVRandomLength", &minutes));
    EXPECT_EQ(std::to_string(int(byCount)) + " " + std::to_string(tracks) + " " + std::to_string(minutes), "-1 3 693");

    collectionMenu(kHighlightMissing);
    EXPECT_EQ(Answer(IDOK), "2 tracks are missing.\r\nMissing tracks will be shown with a red circle.");
    Click(20);
    vuvtest::Pause(300);
    Screenshot(vuvtest::CaptureClient(editor_.Window()), "missing-highlighted.png");
    int redRows = 0;
    for (int row = 0; row < 6; ++row)
        redRows += At(row, 2 + 3, 2 + 7) == RGB(232, 84, 84);
    EXPECT_EQ(redRows, 2);

    // The folder browser asks with the command's title; Cancel changes nothing.
    collectionMenu(kLocateMissing);
    HWND browser = nullptr;
    for (int i = 0; i < 50 && !browser; ++i) {
        vuvtest::Pause(100);
        EnumWindows(FindFolderBrowser, reinterpret_cast<LPARAM>(&browser));
    }
    ASSERT_NE(browser, nullptr) << "no folder browser";
    PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
    vuvtest::Pause(500);
    EXPECT_EQ(vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Tonbrook", 500), nullptr);

    EXPECT_EQ(editor_.Close(), 0);
    int marked = 0, missing = 0;
    for (const vuv::TrackRecord& t : Saved()) {
        marked += (t.flags & vuv::kFlagHighlight4) != 0;
        missing += (t.flags & vuv::kFlagMissing) != 0;
    }
    EXPECT_EQ(std::to_string(marked) + " " + std::to_string(missing), "3 2");
}
