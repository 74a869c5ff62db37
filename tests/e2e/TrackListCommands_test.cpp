// The track list's commands as a user meets them: a right click on a row
// opens the menu, keys choose a command, and the collection, the files, the
// player's variables and the list follow; and the collection menu's random
// selector and missing files commands. Each test starts the real Vuv.exe.
#include "e2e/EditorDriver.h"
#include "core/CollectionFile.h"
#include "platform/Paths.h"
#include "player/PlayerLink.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The items of the track list's menu as the arrow keys meet them
// (separators are passed over), and of its "Advanced" submenu.
enum MenuItem { kCopy = 6, kRemove = 8, kShowPlaying = 9, kAdvanced = 10, kSelectAlbum = 4 };
enum AdvancedItem { kAlwaysShowPlaying = 0, kHighlightState = 2, kDelete = 6 };

// A track of the demo-collection manifest, 4 minutes long.
std::string Line(const std::string& path, const std::string& artist, const std::string& album, int number)
{
    return path + "\t" + artist + "\tTitle\t" + album + "\t2001\t" + std::to_string(number) +
           "\tJazz\t240000\t192\t44100\t2\t9\t0\t0\t500\t1";
}

class TrackListCommandsTest : public vuvtest::EditorTest {
protected:
    TrackListCommandsTest() : link_(vuvtest::EditorLinkPrefix()) { SetPlaying(""); }
    ~TrackListCommandsTest() override
    {
        SetPlaying("");
        for (const char* name : {"VUVRandomSel", "VUVRandomTracks", "VUVRandomLength"})
            vuvtest::DeleteProgramValue(name);
    }

    // Starts the editor on a collection of `lines` whose `files` exist.
    void Start(const std::vector<std::string>& files, const std::vector<std::string>& lines)
    {
        for (const std::string& name : files)
            ASSERT_TRUE(vuvtest::WriteBytes(folder_.File(name), "not really music"));
        UseCollection("c.mcc", lines);
        ASSERT_TRUE(editor_.Start());
        list_ = editor_.Control(1008);
    }
    void SetPlaying(const std::string& path)
    {
        vuv::TrackRecord playing{};
        strcpy(playing.path, path.c_str());
        link_.trackPlaying.Set(&playing);
    }
    void Click(int row, WPARAM keys = 0, int x = 60) { vuvtest::ClickAt(list_, x, vuvtest::TrackRowY(list_, row), keys); }
    std::string Selected() const
    {
        std::string rows;
        for (int row = -1; (row = int(SendMessageA(list_, LVM_GETNEXTITEM, WPARAM(row), LVNI_SELECTED))) >= 0;)
            rows += std::to_string(row) + " ";
        return rows;
    }
    int Count() const { return int(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }
    // A right click on the row opens its menu (where the pointer is, which
    // the test leaves alone: other tests running beside it use it); keys go
    // down to the item of each menu of `path` (Right opens a submenu on its
    // first item) and press Enter, or, with `screenshot`, save one and Esc.
    void Choose(int row, std::initializer_list<int> path, const char* screenshot = nullptr)
    {
        const LPARAM at = MAKELPARAM(80, vuvtest::TrackRowY(list_, row));
        PostMessageA(list_, WM_RBUTTONDOWN, 0, at);
        PostMessageA(list_, WM_RBUTTONUP, 0, at);
        HWND menu = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32768", nullptr, 5000);
        ASSERT_NE(menu, nullptr) << "no menu";
        auto key = [menu](WPARAM key, int times) {
            for (int i = 0; i < times; ++i, vuvtest::Pause(60))
                PostMessageA(menu, WM_KEYDOWN, key, 0);
        };
        for (const int* item = path.begin(); item != path.end(); ++item) {
            key(VK_RIGHT, item != path.begin());
            key(VK_DOWN, item == path.begin() ? *item + 1 : *item);
        }
        if (screenshot)
            vuvtest::SaveScreenshot(vuvtest::CaptureClient(editor_.Window()), screenshot);
        key(screenshot ? VK_ESCAPE : VK_RETURN, screenshot ? int(path.size()) : 1);
        vuvtest::Pause(500);
    }
    // The text of the message box the editor shows now, answered with `button`.
    std::string Answer(int button)
    {
        HWND box = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Tonbrook", 10000);
        const std::string text = box ? vuvtest::WindowText(GetDlgItem(box, 0xFFFF)) : "no message";
        PostMessageA(box, WM_COMMAND, WPARAM(button), 0);
        vuvtest::Pause(500);
        return text;
    }
    // The pixels of an area of a row (x in the list's client area, y from
    // the row's top) that have a colour.
    int Pixels(int row, RECT area, COLORREF colour) const
    {
        POINT origin{0, vuvtest::TrackRowY(list_, row) - 9};
        ClientToScreen(list_, &origin);
        HDC screen = GetDC(nullptr);
        int n = 0;
        for (int x = area.left; x < area.right; ++x)
            for (int y = area.top; y < area.bottom; ++y)
                n += GetPixel(screen, origin.x + x, origin.y + y) == colour;
        ReleaseDC(nullptr, screen);
        return n;
    }

    vuv::PlayerLink link_;
    vuvtest::Editor editor_;
    HWND list_ = nullptr;
};

}  // namespace

// The playing track (bold, marked, its boost sent to the player), "Show
// Track Playing" and "Always Display Track Playing" (a click turns it off),
// a highlight, Copy, Select Album, Delete (the playing file skipped first; a
// file that cannot go keeps its track and is named with its reason) and
// Remove of the playing track, of none and of every track.
TEST_F(TrackListCommandsTest, MenuCommandsOnTheSelectedTracks)
{
    // Columns: mark, Artist, Volume Boost. Row 1 plays.
    for (int p = 0; p < 4; ++p)
        vuvtest::SetProgramNumber(("VUV-ColumnOdr" + std::to_string(p)).c_str(), DWORD(std::vector<int>{0, 1, 13, -1}[p]));
    SetPlaying(folder_.File("B.MP3"));
    Start({"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3", "f.mp3"},
          {Line(folder_.File("a.mp3"), "Same", "Blue", 2), Line(folder_.File("b.mp3"), "Same", "Red", 1),
           Line(folder_.File("c.mp3"), "C", "Blue", 1), Line(folder_.File("d.mp3"), "D", "Green", 1),
           Line(folder_.File("e.mp3"), "E", "Green", 2), Line(folder_.File("f.mp3"), "F", "Blue", 3)});
    ASSERT_TRUE(SetFileAttributesA(folder_.File("e.mp3").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Selected(), "1 ");
    Click(20);  // below the rows: nothing selected
    // The playing mark; the same artist in bold: fewer background pixels.
    EXPECT_EQ(Pixels(0, {0, 0, 20, 18}, RGB(76, 204, 122)), 0);
    EXPECT_GT(Pixels(1, {0, 0, 20, 18}, RGB(76, 204, 122)), 20);
    const COLORREF background = RGB(22, 26, 33);
    EXPECT_LT(Pixels(1, {24, 2, 140, 16}, background) + 10, Pixels(0, {24, 2, 140, 16}, background));
    // A second click at the far left of its Volume Boost cell: automatic,
    // told to the player at once.
    link_.volBoost.SetU32(0);
    Click(1, 0, 20 + 143 + 5);
    Click(1, 0, 20 + 143 + 5);
    EXPECT_EQ(link_.volBoost.GetU32(), 4000u);

    Click(0);
    Choose(0, {kAdvanced, kHighlightState, 2}, "context-menu.png");
    Choose(0, {kAdvanced, kHighlightState, 2});  // "Set #3": its blue badge
    EXPECT_GT(Pixels(0, {4, 4, 14, 14}, RGB(86, 186, 250)), 20);
    Choose(0, {kShowPlaying});
    EXPECT_EQ(Selected(), "1 ");
    // Always displayed: a key moves away and the timer comes back within 2 s;
    // after a click on another row it does not.
    Choose(1, {kAdvanced, kAlwaysShowPlaying});
    PostMessageA(list_, WM_KEYDOWN, VK_DOWN, 0);
    vuvtest::Pause(300);
    EXPECT_EQ(Selected(), "2 ");
    EXPECT_TRUE(vuvtest::WaitFor([this] { return Selected() == "1 "; }, 5000)) << Selected();
    Click(3);
    vuvtest::Pause(3000);
    EXPECT_EQ(Selected(), "3 ");

    Click(2);
    Choose(2, {kCopy});
    ASSERT_TRUE(OpenClipboard(nullptr));
    char copied[MAX_PATH] = "";
    if (HDROP drop = static_cast<HDROP>(GetClipboardData(CF_HDROP)))
        DragQueryFileA(drop, 0, copied, sizeof copied);
    CloseClipboard();
    EXPECT_EQ(std::string(copied), folder_.File("c.mp3"));
    // Sorted by album and track number, Blue (c, a, f) selected; then d
    // (playing) and e are rows 3 and 4, b row 5.
    Choose(0, {kSelectAlbum});
    EXPECT_EQ(Selected(), "0 1 2 ");
    SetPlaying(folder_.File("D.mp3"));
    link_.skip.Reset();
    Click(3);
    Click(4, MK_CONTROL);
    Choose(4, {kAdvanced, kDelete});
    EXPECT_EQ(Answer(IDYES), "PERMANENTLY DELETE selected music files from computers disk drive?");
    EXPECT_EQ(Answer(IDOK), "Unable to delete 1 file; its track stays in the Music Collection:\r\n'" +
                                folder_.File("e.mp3") + "': the file is read-only");
    EXPECT_TRUE(link_.skip.IsSet());
    EXPECT_EQ(std::to_string(vuv::Exists(folder_.File("d.mp3"))) + std::to_string(vuv::Exists(folder_.File("e.mp3"))),
              "01");
    EXPECT_EQ(Count(), 5);
    SetFileAttributesA(folder_.File("e.mp3").c_str(), FILE_ATTRIBUTE_NORMAL);

    // Remove the playing track (b, row 4), then nothing, then every track.
    SetPlaying(folder_.File("b.mp3"));
    Click(4);
    Choose(4, {kRemove});
    Click(20);
    PostMessageA(editor_.Window(), WM_COMMAND, 40025, 0);
    vuvtest::Pause(300);
    EXPECT_EQ(Count(), 4);
    Click(0);
    Click(3, MK_SHIFT);
    Choose(3, {kRemove});
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(editor_.Close(), 0);
    EXPECT_EQ(vuvtest::ReadBytes(folder_.File("c.mcc")), "");
}

// The collection menu's random selector with
// its calculator and settings, "Highlight Missing Files" with its message
// and marks, and the folder browser of "Locate Missing Files".
TEST_F(TrackListCommandsTest, RandomSelectorAndMissingFiles)
{
    Start({"1.mp3", "2.mp3", "3.mp3", "4.mp3"},
          {Line(folder_.File("1.mp3"), "A1", "X", 1), Line(folder_.File("2.mp3"), "A2", "X", 2),
           Line(folder_.File("gone 1.mp3"), "A3", "X", 3), Line(folder_.File("3.mp3"), "A4", "X", 4),
           Line(folder_.File("gone 2.mp3"), "A5", "X", 5), Line(folder_.File("4.mp3"), "A6", "X", 6)});
    // The collection menu's commands (its button needs the pointer, which
    // other tests running beside this one use).
    auto command = [this](WPARAM id) { PostMessageA(editor_.Window(), WM_COMMAND, id, 0); };
    command(40068);  // "Random Selector"
    HWND dialog = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Random Selector", 5000);
    ASSERT_NE(dialog, nullptr);
    auto item = [dialog](int id) { return GetDlgItem(dialog, id); };
    enum { kByCount = 1101, kTracks, kByLength, kMinutes, kMb, kKbps, kCalculate };
    // Nothing stored: by length, 50 tracks, 60 minutes; 650 MB at 128 kbps hold 693 minutes.
    EXPECT_TRUE(SendMessageA(item(kByLength), BM_GETCHECK, 0, 0) == BST_CHECKED && !IsWindowEnabled(item(kTracks)));
    EXPECT_EQ(vuvtest::WindowText(item(kTracks)) + " " + vuvtest::WindowText(item(kMinutes)), "50 60");
    SendMessageA(item(kMb), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("650"));
    SendMessageA(item(kKbps), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("128"));
    PostMessageA(item(kCalculate), BM_CLICK, 0, 0);
    EXPECT_TRUE(vuvtest::WaitForText(item(kMinutes), "693", 3000));
    vuvtest::SaveScreenshot(dialog, "random-selector.png");
    PostMessageA(item(kByCount), BM_CLICK, 0, 0);
    vuvtest::Pause(300);
    EXPECT_TRUE(IsWindowEnabled(item(kTracks)) && !IsWindowEnabled(item(kCalculate)));
    SendMessageA(item(kTracks), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("3"));
    PostMessageA(item(IDOK), BM_CLICK, 0, 0);
    vuvtest::Pause(1000);
    // Three tracks marked #4 (the badge's pink), sorted to the top, selected.
    EXPECT_EQ(Selected(), "0 1 2 ");
    EXPECT_GT(Pixels(2, {4, 4, 14, 14}, RGB(222, 120, 230)), 20);
    DWORD stored = 0;
    for (auto [name, value] : {std::pair<const char*, DWORD>{"VUVRandomSel", DWORD(-1)}, {"VUVRandomTracks", 3}, {"VUVRandomLength", 693}})
        EXPECT_TRUE(vuvtest::ProgramNumber(name, &stored) && stored == value) << name;

    command(40046);  // "Highlight Missing Files"
    EXPECT_EQ(Answer(IDOK), "2 tracks are missing.\r\nMissing tracks will be shown with a red circle.");
    Click(20);
    vuvtest::SaveScreenshot(vuvtest::CaptureClient(editor_.Window()), "missing-highlighted.png");
    int redRows = 0;
    for (int row = 0; row < 6; ++row)
        redRows += Pixels(row, {4, 4, 14, 14}, RGB(232, 84, 84)) > 20;
    EXPECT_EQ(redRows, 2);
    // The folder browser asks with the command's title; Cancel changes nothing.
    command(40044);  // "Locate Missing Files"
    HWND browser = vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Browse for Folder", 5000);
    EXPECT_NE(FindWindowExA(browser, nullptr, nullptr, "Locate Missing Tracks In.."), nullptr);
    PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(vuvtest::WaitForProcessWindow(editor_.ProcessId(), "#32770", "Tonbrook", 1000), nullptr);
    EXPECT_EQ(editor_.Close(), 0);
}
