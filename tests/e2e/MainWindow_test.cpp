// The main window as a user meets it: its collection, columns, rows and
// marks, its placement between runs, the status line and the settings it
// writes when it closes. Each test starts the real Vuv.exe.
#include "e2e/EditorDriver.h"
#include "core/CollectionFile.h"
#include "core/TrackRecord.h"
#include "player/PlayerLink.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kTrackList = 1008;

// "path<TAB>artist<TAB>title<TAB>album<TAB>year<TAB>track<TAB>genres<TAB>ms<TAB>kbps<TAB>Hz<TAB>
// channels<TAB>preference<TAB>flags<TAB>plays<TAB>boost<TAB>days"
std::string Line(const std::string& name, int flags, int preference)
{
    return "C:\\Music\\" + name + ".mp3\tArtist " + name + "\tTitle " + name + "\tAlbum\t2020\t1\tJazz\t61000\t192\t44100\t2\t" +
           std::to_string(preference) + "\t" + std::to_string(flags) + "\t3\t4000\t1";
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        vuvtest::ClearEditorSettings();
        // Row 0 carries highlight #2, row 1 is new, the rest are plain.
        std::vector<std::string> lines{Line("a", 16, 9), Line("b", 1, 0)};
        for (int i = 0; i < 38; ++i)
            lines.push_back(Line("t" + std::to_string(i), 0, i % 10));
        ASSERT_TRUE(vuvtest::WriteCollection(folder_.File("m.tsv"), folder_.File("Window Test.mcc"), lines));
        vuvtest::SetProgramText("ActiveMusicCollection", folder_.File("Window Test.mcc"));
    }
    void TearDown() override { vuvtest::ClearEditorSettings(); }

    int HeaderCount(const vuvtest::Editor& editor)
    {
        HWND header = reinterpret_cast<HWND>(SendMessageA(editor.Control(kTrackList), LVM_GETHEADER, 0, 0));
        return int(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    }

    vuvtest::ScratchFolder folder_;
};

}  // namespace

TEST_F(MainWindowTest, OpensOnTheCollectionWithEveryColumnAndMarkedRows)
{
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    char title[256] = "";
    GetWindowTextA(editor.Window(), title, sizeof title);
    EXPECT_STREQ(title, "Tonbrook - Music Collection 'Window Test'");
    EXPECT_EQ(SendMessageA(editor.Control(kTrackList), LVM_GETITEMCOUNT, 0, 0), 40);
    EXPECT_EQ(HeaderCount(editor), 18);  // nothing saved: all columns in type order
    EXPECT_EQ(SendMessageA(editor.Control(kTrackList), LVM_GETCOLUMNWIDTH, 1, 0), 143);  // Artist
    EXPECT_TRUE(IsZoomed(editor.Window()));  // first run: maximised

    // Layout: the list, the splitter bar and the queue view around the
    // splitter line at two thirds of the desktop's height.
    RECT client{}, desk{};
    GetClientRect(editor.Window(), &client);
    GetWindowRect(GetDesktopWindow(), &desk);
    const int s = desk.bottom * 2 / 3, w = client.right, h = client.bottom;
    auto placed = [&](int id) {
        RECT r{};
        GetWindowRect(editor.Control(id), &r);
        MapWindowPoints(nullptr, editor.Window(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    auto text = [](RECT r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    };
    EXPECT_EQ(text(placed(kTrackList)), text({7, 39, w - 7, s - 3}));
    EXPECT_EQ(text(placed(1014)), text({9, s + 28, w - 9, h - 9}));
    EXPECT_EQ(placed(1004).top, s);
    EXPECT_EQ(placed(1004).bottom, s + 5);

    // The rows as drawn: the highlight and new marks in the mark column
    // (list client + 2, the row's top + 2).
    HWND list = editor.Control(kTrackList);
    POINT listOrigin{0, 0};
    ClientToScreen(list, &listOrigin);
    POINT windowOrigin{0, 0};
    ClientToScreen(editor.Window(), &windowOrigin);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT headerRect{};
    GetClientRect(header, &headerRect);
    const int x0 = listOrigin.x - windowOrigin.x, y0 = listOrigin.y - windowOrigin.y + headerRect.bottom;
    const vuvtest::Capture shot = vuvtest::CaptureClient(editor.Window());
    ASSERT_GT(shot.width, 0);
    const std::string dir = vuvtest::ScreenshotDir();
    if (!dir.empty()) {
        EXPECT_TRUE(vuvtest::SavePng(shot, dir + "main-window-test.png"));
    }
    // Highlight #2: the green badge (its left part, away from the digit);
    // new: the green pill at (x + 2, top + 4) of the second 18-pixel row.
    EXPECT_EQ(shot.At(x0 + 2 + 2 + 3, y0 + 2 + 7), RGB(96, 210, 120));
    EXPECT_EQ(shot.At(x0 + 2 + 2 + 8, y0 + 18 + 4 + 1), RGB(76, 204, 122));
    EXPECT_EQ(editor.Close(), 0);
    DWORD start = 99, x = 0;
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-Start", &start));
    EXPECT_EQ(start, 0u);  // closed by the user
    EXPECT_FALSE(vuvtest::ProgramNumber("VUV-X", &x));  // maximised: no placement written
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-ColumnOdr17", &x));  // the order it showed
    EXPECT_EQ(x, 17u);
}

TEST_F(MainWindowTest, SavedColumnsAreTaken)
{
    vuvtest::SetProgramNumber("VUV-ColumnOdr0", 2);
    vuvtest::SetProgramNumber("VUV-ColumnOdr1", 1);
    vuvtest::SetProgramNumber("VUV-ColumnOdr2", DWORD(-1));
    vuvtest::SetProgramNumber("VUV-ColumnW2", 333);
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    EXPECT_EQ(HeaderCount(editor), 2);
    EXPECT_EQ(SendMessageA(editor.Control(kTrackList), LVM_GETCOLUMNWIDTH, 0, 0), 333);
    EXPECT_EQ(SendMessageA(editor.Control(kTrackList), LVM_GETCOLUMNWIDTH, 1, 0), 143);
    EXPECT_EQ(editor.Close(), 0);
    DWORD value = 0;
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-ColumnOdr0", &value));
    EXPECT_EQ(value, 2u);
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-ColumnOdr2", &value));
    EXPECT_EQ(int(value), -1);
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-ColumnW1", &value));
    EXPECT_EQ(value, 143u);
    EXPECT_FALSE(vuvtest::ProgramNumber("VUV-ColumnW0", &value));  // behind the end: not written
}

TEST_F(MainWindowTest, PlacementIsRestoredAndSaved)
{
    // Normal: the saved rectangle, written back on close.
    vuvtest::SetProgramNumber("VUV-X", 40);
    vuvtest::SetProgramNumber("VUV-Y", 30);
    vuvtest::SetProgramNumber("VUV-W", 900);
    vuvtest::SetProgramNumber("VUV-H", 700);
    {
        vuvtest::Editor editor;
        ASSERT_TRUE(editor.Start());
        RECT r{};
        GetWindowRect(editor.Window(), &r);
        EXPECT_EQ(r.left, 40);
        EXPECT_EQ(r.top, 30);
        EXPECT_EQ(r.right - r.left, 900);
        EXPECT_EQ(r.bottom - r.top, 700);
        EXPECT_FALSE(IsZoomed(editor.Window()));
        MoveWindow(editor.Window(), 60, 50, 800, 600, TRUE);
        vuvtest::Pause(300);
        EXPECT_EQ(editor.Close(), 0);
    }
    DWORD x = 0, w = 0, iconic = 0;
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-X", &x));
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-W", &w));
    EXPECT_EQ(x, 60u);
    EXPECT_EQ(w, 800u);
    EXPECT_FALSE(vuvtest::ProgramNumber("VUV-Iconic", &iconic));

    // Minimised at close: it opens minimised, and says so again.
    vuvtest::SetProgramNumber("VUV-Iconic", 1);
    {
        vuvtest::Editor editor;
        ASSERT_TRUE(editor.Start());
        // (The placement settles once the dialog is on screen.)
        for (int i = 0; i < 50 && !IsIconic(editor.Window()); ++i)
            vuvtest::Pause(100);
        EXPECT_TRUE(IsIconic(editor.Window()));
        EXPECT_EQ(editor.Close(), 0);
    }
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-Iconic", &iconic));
    EXPECT_EQ(iconic, 1u);
    EXPECT_FALSE(vuvtest::ProgramNumber("VUV-X", &x));
}

TEST_F(MainWindowTest, DemoScreenshot)
{
    // With the demo library laid out by tools/demo-library.sh (test.sh does
    // it), a screenshot of the editor on it.
    const std::string demo = vuvtest::WindowsPathFromEnv("VUV_DEMO_COLLECTION");
    const std::string dir = vuvtest::ScreenshotDir();
    if (demo.empty() || dir.empty())
        GTEST_SKIP() << "no demo collection";
    vuvtest::SetProgramText("ActiveMusicCollection", demo);
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    EXPECT_EQ(SendMessageA(editor.Control(kTrackList), LVM_GETITEMCOUNT, 0, 0), 37);
    EXPECT_TRUE(vuvtest::SavePng(vuvtest::CaptureClient(editor.Window()), dir + "main-window-demo.png"));
    EXPECT_EQ(editor.Close(), 0);
}

namespace {

// A click at (x, y) of the track list's client area, as the mouse gives it.
void ClickList(HWND list, int x, int y, WPARAM keys = 0)
{
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, y));
    PostMessageA(list, WM_LBUTTONUP, keys, MAKELPARAM(x, y));
    vuvtest::Pause(400);
}

int HeaderHeight(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT r{};
    GetClientRect(header, &r);
    return r.bottom;
}

}  // namespace

TEST_F(MainWindowTest, SecondClicksInCellsSetPreferenceAndBoost)
{
    // Columns: mark, Artist, Volume Boost, Preference.
    vuvtest::SetProgramNumber("VUV-ColumnOdr0", 0);
    vuvtest::SetProgramNumber("VUV-ColumnOdr1", 1);
    vuvtest::SetProgramNumber("VUV-ColumnOdr2", 13);
    vuvtest::SetProgramNumber("VUV-ColumnOdr3", 4);
    vuvtest::SetProgramNumber("VUV-ColumnOdr4", DWORD(-1));
    std::vector<std::string> lines;
    for (const char* name : {"a", "b", "c"}) {
        std::string line = Line(name, 1, 9);  // new, preference 9
        line.replace(line.rfind("\t4000\t"), 6, "\t600\t");  // boost 600
        lines.push_back(line);
    }
    const std::string file = folder_.File("Clicks.mcc");
    ASSERT_TRUE(vuvtest::WriteCollection(folder_.File("c.tsv"), file, lines));
    vuvtest::SetProgramText("ActiveMusicCollection", file);

    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND list = editor.Control(kTrackList);
    const int top = HeaderHeight(list);
    // The cells' left edges as the list has them.
    auto left = [list](int column) {
        int x = 0;
        for (int c = 0; c < column; ++c)
            x += int(SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0));
        return x;
    };
    const int boostLeft = left(2), preferenceLeft = left(3);
    auto rowY = [top](int row) { return top + row * 18 + 9; };

    // Row 0: the first click only focuses it; the second, 6 pixels into the
    // Preference cell, sets preference 0.
    ClickList(list, preferenceLeft + 6, rowY(0));
    ClickList(list, preferenceLeft + 6, rowY(0));
    // Row 1: a single click on another row edits nothing.
    ClickList(list, preferenceLeft + 6, rowY(1));
    // Row 2: focused, then a click at the far left of the Volume Boost cell: automatic.
    ClickList(list, boostLeft + 30, rowY(2));
    ClickList(list, boostLeft + 5, rowY(2));

    // The status line: "3 Tracks Loaded" until two rows are selected.
    const vuvtest::Capture one = vuvtest::CaptureClient(editor.Window());
    ClickList(list, 60, rowY(0), MK_CONTROL);  // adds row 0 to row 2
    const vuvtest::Capture two = vuvtest::CaptureClient(editor.Window());
    RECT client{};
    GetClientRect(editor.Window(), &client);
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int statusY = desktop.bottom * 2 / 3 + 12;
    int changed = 0;
    for (int x = client.right - 183; x < client.right - 33; ++x)
        for (int y = statusY; y < statusY + 12; ++y)
            changed += one.At(x, y) != two.At(x, y);
    EXPECT_GT(changed, 20) << "the status text did not change";
    EXPECT_EQ(editor.Close(), 0);

    // Closing saved the collection (sorted by artist: a, b, c).
    std::vector<vuv::TrackRecord> saved;
    ASSERT_TRUE(vuv::ReadTrackFile(file, saved, false));
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0].preference, 0);
    EXPECT_EQ(saved[0].flags & vuv::kFlagNew, 0u);  // an edit clears "new"
    EXPECT_EQ(saved[0].volumeBoost, 600);
    EXPECT_EQ(saved[1].preference, 9);
    EXPECT_EQ(saved[1].flags & vuv::kFlagNew, uint32_t(vuv::kFlagNew));
    EXPECT_EQ(saved[2].volumeBoost, 4000);
    EXPECT_EQ(saved[2].preference, 9);
}

TEST_F(MainWindowTest, OpensOnAHundredThousandTracks)
{
    const std::string file = folder_.File("Large.mcc");
    ASSERT_EQ(vuvtest::RunCaptured("\"" + vuvtest::SuiteDir() + "vuvtool.exe\" large-collection 100000 \"" + file + "\"",
                                   nullptr),
              0);
    vuvtest::SetProgramText("ActiveMusicCollection", file);

    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND list = editor.Control(kTrackList);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 100000);
    // Paging to the end draws the last rows straight from the store.
    for (int i = 0; i < 5; ++i)
        SendMessageA(list, WM_KEYDOWN, VK_END, 0);
    vuvtest::Pause(500);
    const std::string dir = vuvtest::ScreenshotDir();
    if (!dir.empty()) {
        EXPECT_TRUE(vuvtest::SavePng(vuvtest::CaptureClient(editor.Window()), dir + "main-window-100000.png"));
    }
    EXPECT_EQ(editor.Close(), 0);
}

// The player's side as the editor's timer sees it: a play-count report is
// applied to the collection in memory and cleared; the saved collection
// then carries it.
TEST_F(MainWindowTest, TimerTakesThePlayCountReport)
{
    vuv::PlayerLink link(vuvtest::EditorLinkPrefix());
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    vuv::PlayCountReport report{};
    strcpy(report.path, "c:\\music\\B.MP3");  // matched without regard to case
    report.countPlay = 1;
    report.volumeBoost = 650;
    ASSERT_TRUE(link.liveUpdate.Set(&report));
    vuv::PlayCountReport left{};
    for (int i = 0; i < 40; ++i) {
        vuvtest::Pause(100);
        ASSERT_TRUE(link.liveUpdate.Get(&left));
        if (left.path[0] == '\0')
            break;
    }
    EXPECT_EQ(left.path[0], '\0');
    EXPECT_EQ(editor.Close(), 0);

    std::vector<vuv::TrackRecord> saved;
    ASSERT_TRUE(vuv::ReadTrackFile(folder_.File("Window Test.mcc"), saved, false));
    ASSERT_EQ(saved.size(), 40u);
    for (const vuv::TrackRecord& t : saved) {
        const bool reported = std::string(t.path) == "C:\\Music\\b.mp3";
        EXPECT_EQ(t.playCount, reported ? 4u : 3u) << t.path;
        EXPECT_EQ(t.volumeBoost, reported ? 650 : 4000) << t.path;
    }
}

// One normal editor at a time: a second start asks the first to come to
// the front (restoring it from the task bar) and ends at once; the close
// event of the player ends the first as closed by the player.
TEST_F(MainWindowTest, SecondStartBringsTheFirstToTheFront)
{
    vuv::PlayerLink link(vuvtest::EditorLinkPrefix());
    link.close.Set();  // left over from an earlier run: must not close the editor
    vuvtest::Editor first;
    ASSERT_TRUE(first.Start());
    EXPECT_TRUE(link.editorRunning.IsSet());
    EXPECT_FALSE(link.close.IsSet());
    ShowWindow(first.Window(), SW_MINIMIZE);
    vuvtest::Pause(500);
    ASSERT_TRUE(IsIconic(first.Window()));

    vuvtest::Editor second;
    EXPECT_EQ(second.RunToEnd(), 0);
    for (int i = 0; i < 40 && IsIconic(first.Window()); ++i)
        vuvtest::Pause(100);
    EXPECT_FALSE(IsIconic(first.Window()));
    EXPECT_FALSE(link.editorSetFocus.IsSet());  // taken by the first
    EXPECT_TRUE(link.editorRunning.IsSet());

    // The player asks the editor to close: it ends, saved as closed by the
    // player, and gives up the running mark.
    link.close.Set();
    EXPECT_EQ(first.WaitForEnd(), 0);
    DWORD start = 99;
    ASSERT_TRUE(vuvtest::ProgramNumber("VUV-Start", &start));
    EXPECT_EQ(start, 1u);
    EXPECT_FALSE(link.editorRunning.IsSet());
    link.close.Reset();
}

// The play commands reach the player: enqueued tracks appear as lines of
// the queue view, the queue menu's commands set the player's flags.
TEST_F(MainWindowTest, QueueViewShowsEnqueuedTracks)
{
    constexpr int kQueueView = 1014;
    constexpr WPARAM kEnqueue = 40004, kClearQueue = 40011, kRandomToggle = 40017, kSkip = 40007;
    vuv::PlayerLink link(vuvtest::EditorLinkPrefix());
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    PostMessageA(editor.Window(), WM_COMMAND, kClearQueue, 0);
    vuvtest::Pause(800);
    HWND queue = editor.Control(kQueueView);
    const LRESULT empty = SendMessageA(queue, LVM_GETITEMCOUNT, 0, 0);
    EXPECT_GE(empty, 1);  // what plays (nothing) and the random play line

    HWND list = editor.Control(kTrackList);
    const int top = HeaderHeight(list);
    ClickList(list, 60, top + 9);
    ClickList(list, 60, top + 18 + 9, MK_CONTROL);
    ClickList(list, 60, top + 36 + 9, MK_CONTROL);
    PostMessageA(editor.Window(), WM_COMMAND, kEnqueue, 0);
    vuvtest::Pause(1000);
    EXPECT_EQ(SendMessageA(queue, LVM_GETITEMCOUNT, 0, 0), empty + 3);
    const std::string dir = vuvtest::ScreenshotDir();
    if (!dir.empty()) {
        EXPECT_TRUE(vuvtest::SavePng(vuvtest::CaptureClient(editor.Window()), dir + "queue-view-test.png"));
    }

    EXPECT_FALSE(link.myMusicRandom.IsSet());
    PostMessageA(editor.Window(), WM_COMMAND, kRandomToggle, 0);
    PostMessageA(editor.Window(), WM_COMMAND, kSkip, 0);
    vuvtest::Pause(600);
    EXPECT_TRUE(link.myMusicRandom.IsSet());
    EXPECT_TRUE(link.skip.IsSet());

    PostMessageA(editor.Window(), WM_COMMAND, kClearQueue, 0);
    PostMessageA(editor.Window(), WM_COMMAND, kRandomToggle, 0);
    vuvtest::Pause(800);
    EXPECT_EQ(SendMessageA(queue, LVM_GETITEMCOUNT, 0, 0), empty);
    EXPECT_FALSE(link.myMusicRandom.IsSet());
    link.skip.Reset();
    EXPECT_EQ(editor.Close(), 0);
}

// The volume bar writes the player's volume as it is dragged; a press and
// release on the position bar asks the player to seek there.
TEST_F(MainWindowTest, VolumeBarWritesThePlayersVolume)
{
    vuv::PlayerLink link(vuvtest::EditorLinkPrefix());
    link.volume.SetU32(100);
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int y = desktop.bottom * 2 / 3 + 11 + 5;
    // 36 of the bar's 72 pixels: 50 %; the drag goes on to 18 pixels: 25 %.
    PostMessageA(editor.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(495 + 36, y));
    vuvtest::Pause(300);
    EXPECT_EQ(link.volume.GetU32(), 50u);
    PostMessageA(editor.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(495 + 18, y));
    PostMessageA(editor.Window(), WM_LBUTTONUP, 0, MAKELPARAM(495 + 18, y));
    vuvtest::Pause(300);
    EXPECT_EQ(link.volume.GetU32(), 25u);
    // Outside both bars a press changes nothing.
    PostMessageA(editor.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(700, y));
    PostMessageA(editor.Window(), WM_LBUTTONUP, 0, MAKELPARAM(700, y));
    vuvtest::Pause(300);
    EXPECT_EQ(link.volume.GetU32(), 25u);
    EXPECT_EQ(link.skipToPos.GetU32(), 0u);
    // 23 of the position bar's 115 pixels: 20 %, sent as 21.
    PostMessageA(editor.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(339 + 23, y));
    PostMessageA(editor.Window(), WM_LBUTTONUP, 0, MAKELPARAM(339 + 23, y));
    vuvtest::Pause(300);
    EXPECT_EQ(link.skipToPos.GetU32(), 21u);
    link.skipToPos.SetU32(0);
    EXPECT_EQ(editor.Close(), 0);
}
