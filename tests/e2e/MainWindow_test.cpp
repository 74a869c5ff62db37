// The main window as a user meets it: its collection, columns, rows and
// marks, its placement between runs, the status line, the player's side
// and the settings it writes when it closes. Each test starts the real
// Vuv.exe.
#include "e2e/EditorDriver.h"
#include "core/CollectionFile.h"
#include "core/TrackRecord.h"
#include "player/PlayerLink.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kTrackList = 1008, kQueueView = 1014;

// "path<TAB>artist<TAB>title<TAB>album<TAB>year<TAB>track<TAB>genres<TAB>ms<TAB>kbps<TAB>Hz<TAB>
// channels<TAB>preference<TAB>flags<TAB>plays<TAB>boost<TAB>days"
std::string Line(const std::string& name, int flags, int preference, int boost = 4000)
{
    return "C:\\Music\\" + name + ".mp3\tArtist " + name + "\tTitle " + name + "\tAlbum\t2020\t1\tJazz\t61000\t192\t44100\t2\t" +
           std::to_string(preference) + "\t" + std::to_string(flags) + "\t3\t" + std::to_string(boost) + "\t1";
}

// The named settings the editor keeps, as "value value ..." ("-": missing).
std::string Saved(std::initializer_list<const char*> names)
{
    std::string text;
    for (const char* name : names) {
        DWORD value = 0;
        text += (text.empty() ? "" : " ") +
                (vuvtest::ProgramNumber(name, &value) ? std::to_string(int(value)) : std::string("-"));
    }
    return text;
}

void SetSaved(std::initializer_list<std::pair<const char*, int>> values)
{
    for (auto [name, value] : values)
        vuvtest::SetProgramNumber(name, DWORD(value));
}

HWND Header(HWND list) { return reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)); }

std::string Text(RECT r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// The splitter line: two thirds of the desktop's height.
int SplitterY()
{
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    return desktop.bottom * 2 / 3;
}

class MainWindowTest : public vuvtest::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        // Row 0 carries highlight #2, row 1 is new, the rest are plain.
        std::vector<std::string> lines{Line("a", 16, 9), Line("b", 1, 0)};
        for (int i = 0; i < 38; ++i)
            lines.push_back(Line("t" + std::to_string(i), 0, i % 10));
        UseCollection("Window Test.mcc", lines);
    }
    static int HeaderCount(const vuvtest::Editor& editor)
    {
        return int(SendMessageA(Header(editor.Control(kTrackList)), HDM_GETITEMCOUNT, 0, 0));
    }
    static int ColumnWidth(const vuvtest::Editor& editor, int column)
    {
        return int(SendMessageA(editor.Control(kTrackList), LVM_GETCOLUMNWIDTH, column, 0));
    }
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
    EXPECT_EQ(HeaderCount(editor), 18);       // nothing saved: all columns in type order
    EXPECT_TRUE(IsZoomed(editor.Window()));  // first run: maximised
    // The rows as drawn: highlight #2's green badge (its left part, away
    // from the digit) in row 0, the new mark's green pill in row 1, each at
    // (the list's client + 2, the row's top + 2) of the mark column.
    POINT row0{0, vuvtest::TrackRowY(editor.Control(kTrackList), 0) - 9};
    ClientToScreen(editor.Control(kTrackList), &row0);
    ScreenToClient(editor.Window(), &row0);
    const vuvtest::Capture shot = vuvtest::CaptureClient(editor.Window());
    vuvtest::SaveScreenshot(shot, "main-window-test.png");
    EXPECT_EQ(shot.At(row0.x + 2 + 2 + 3, row0.y + 2 + 7), RGB(96, 210, 120));
    EXPECT_EQ(shot.At(row0.x + 2 + 2 + 8, row0.y + 18 + 4 + 1), RGB(76, 204, 122));
    EXPECT_EQ(editor.Close(), 0);
    // Closed by the user; maximised: no placement; the order it showed.
    EXPECT_EQ(Saved({"VUV-Start", "VUV-X", "VUV-ColumnOdr17"}), "0 - 17");
}

TEST_F(MainWindowTest, SavedColumnsAndPlacementAreTakenAndSaved)
{
    // Two columns (-1 ends them) at a saved place, partly on a monitor left
    // of the main one.
    SetSaved({{"VUV-ColumnOdr0", 2}, {"VUV-ColumnOdr1", 1}, {"VUV-ColumnOdr2", -1}, {"VUV-ColumnW2", 333},
              {"VUV-X", -40}, {"VUV-Y", 30}, {"VUV-W", 900}, {"VUV-H", 700}});
    {
        vuvtest::Editor editor;
        ASSERT_TRUE(editor.Start());
        EXPECT_EQ(HeaderCount(editor), 2);
        EXPECT_EQ(ColumnWidth(editor, 0), 333);
        EXPECT_EQ(ColumnWidth(editor, 1), 143);
        RECT r{};
        GetWindowRect(editor.Window(), &r);
        EXPECT_EQ(Text(r), "-40,30,860,730");
        EXPECT_FALSE(IsZoomed(editor.Window()));
        MoveWindow(editor.Window(), -60, 50, 800, 600, TRUE);
        vuvtest::Pause(300);
        EXPECT_EQ(editor.Close(), 0);
    }
    // Widths of the shown columns only; the new place.
    EXPECT_EQ(Saved({"VUV-ColumnOdr0", "VUV-ColumnOdr2", "VUV-ColumnW1", "VUV-ColumnW0", "VUV-X", "VUV-W", "VUV-Iconic"}),
              "2 -1 143 - -60 800 -");

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
    EXPECT_EQ(Saved({"VUV-Iconic", "VUV-X"}), "1 -");
}

// Screenshots of the editor on the demo library laid out by
// tools/demo-library.sh (test.sh does it) and on 100,000 tracks paged to
// the end, whose last rows are drawn straight from the store.
TEST_F(MainWindowTest, OpensOnTheDemoAndOnAHundredThousandTracks)
{
    const std::string demo = vuvtest::WindowsPathFromEnv("VUV_DEMO_COLLECTION");
    if (!demo.empty()) {
        vuvtest::SetProgramText("ActiveMusicCollection", demo);
        vuvtest::Editor editor;
        ASSERT_TRUE(editor.Start());
        EXPECT_EQ(SendMessageA(editor.Control(kTrackList), LVM_GETITEMCOUNT, 0, 0), 37);
        vuvtest::SaveScreenshot(vuvtest::CaptureClient(editor.Window()), "main-window-demo.png");
        EXPECT_EQ(editor.Close(), 0);
    }
    const std::string file = folder_.File("Large.mcc");
    ASSERT_EQ(vuvtest::RunCaptured("\"" + vuvtest::SuiteDir() + "vuvtool.exe\" large-collection 100000 \"" + file + "\"",
                                   nullptr),
              0);
    vuvtest::SetProgramText("ActiveMusicCollection", file);
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND list = editor.Control(kTrackList);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 100000);
    for (int i = 0; i < 5; ++i)
        SendMessageA(list, WM_KEYDOWN, VK_END, 0);
    vuvtest::Pause(500);
    vuvtest::SaveScreenshot(vuvtest::CaptureClient(editor.Window()), "main-window-100000.png");
    EXPECT_EQ(editor.Close(), 0);
}

TEST_F(MainWindowTest, SecondClicksInCellsSetPreferenceAndBoost)
{
    // Columns: mark, Artist, Volume Boost, Preference.
    SetSaved({{"VUV-ColumnOdr0", 0}, {"VUV-ColumnOdr1", 1}, {"VUV-ColumnOdr2", 13}, {"VUV-ColumnOdr3", 4},
              {"VUV-ColumnOdr4", -1}});
    UseCollection("Clicks.mcc", {Line("a", 1, 9, 600), Line("b", 1, 9, 600), Line("c", 1, 9, 600)});  // new
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND list = editor.Control(kTrackList);
    const int boostLeft = ColumnWidth(editor, 0) + ColumnWidth(editor, 1);
    const int preferenceLeft = boostLeft + ColumnWidth(editor, 2);
    // Row 0: the first click only focuses it; the second, 6 pixels into the
    // Preference cell, sets preference 0. Row 1: a single click on another
    // row edits nothing. Row 2: focused, then a click at the far left of the
    // Volume Boost cell: automatic.
    vuvtest::ClickAt(list, preferenceLeft + 6, vuvtest::TrackRowY(list, 0));
    vuvtest::ClickAt(list, preferenceLeft + 6, vuvtest::TrackRowY(list, 0));
    vuvtest::ClickAt(list, preferenceLeft + 6, vuvtest::TrackRowY(list, 1));
    vuvtest::ClickAt(list, boostLeft + 30, vuvtest::TrackRowY(list, 2));
    vuvtest::ClickAt(list, boostLeft + 5, vuvtest::TrackRowY(list, 2));

    // The status line: "3 Tracks Loaded" until two rows are selected.
    const vuvtest::Capture one = vuvtest::CaptureClient(editor.Window());
    vuvtest::ClickAt(list, 60, vuvtest::TrackRowY(list, 0), MK_CONTROL);  // adds row 0 to row 2
    const vuvtest::Capture two = vuvtest::CaptureClient(editor.Window());
    const int statusY = SplitterY() + 12;
    int changed = 0;
    for (int x = one.width - 183; x < one.width - 33; ++x)
        for (int y = statusY; y < statusY + 12; ++y)
            changed += one.At(x, y) != two.At(x, y);
    EXPECT_GT(changed, 20) << "the status text did not change";
    EXPECT_EQ(editor.Close(), 0);

    // Closing saved the collection (sorted by artist: a, b, c); an edit
    // clears "new".
    std::vector<vuv::TrackRecord> saved;
    ASSERT_TRUE(vuv::ReadTrackFile(folder_.File("Clicks.mcc"), saved, false));
    std::string rows;
    for (const vuv::TrackRecord& t : saved)
        rows += std::to_string(t.preference) + "," + std::to_string(t.flags & vuv::kFlagNew) + "," +
                std::to_string(t.volumeBoost) + " ";
    EXPECT_EQ(rows, "0,0,600 9," + std::to_string(vuv::kFlagNew) + ",600 9,0,4000 ");
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

    link.close.Set();
    EXPECT_EQ(first.WaitForEnd(), 0);
    EXPECT_EQ(Saved({"VUV-Start"}), "1");
    EXPECT_FALSE(link.editorRunning.IsSet());
    link.close.Reset();
}

// The player's side as the editor sees it (its timer's play-count reports
// are the properties dialog test's): enqueued tracks appear in the queue
// view; the queue menu's commands and the bars set the player's flags and
// variables.
TEST_F(MainWindowTest, WorksWithThePlayerThroughTheLink)
{
    constexpr WPARAM kEnqueue = 40004, kClearQueue = 40011, kRandomToggle = 40017, kSkip = 40007;
    vuv::PlayerLink link(vuvtest::EditorLinkPrefix());
    link.volume.SetU32(100);
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND window = editor.Window();

    PostMessageA(window, WM_COMMAND, kClearQueue, 0);
    vuvtest::Pause(800);
    HWND queue = editor.Control(kQueueView), list = editor.Control(kTrackList);
    const LRESULT empty = SendMessageA(queue, LVM_GETITEMCOUNT, 0, 0);
    EXPECT_GE(empty, 1);  // what plays (nothing) and the random play line
    vuvtest::ClickAt(list, 60, vuvtest::TrackRowY(list, 0));
    vuvtest::ClickAt(list, 60, vuvtest::TrackRowY(list, 1), MK_CONTROL);
    vuvtest::ClickAt(list, 60, vuvtest::TrackRowY(list, 2), MK_CONTROL);
    PostMessageA(window, WM_COMMAND, kEnqueue, 0);
    vuvtest::Pause(1000);
    EXPECT_EQ(SendMessageA(queue, LVM_GETITEMCOUNT, 0, 0), empty + 3);
    vuvtest::SaveScreenshot(vuvtest::CaptureClient(window), "queue-view-test.png");
    EXPECT_FALSE(link.myMusicRandom.IsSet());
    PostMessageA(window, WM_COMMAND, kRandomToggle, 0);
    PostMessageA(window, WM_COMMAND, kSkip, 0);
    vuvtest::Pause(600);
    EXPECT_TRUE(link.myMusicRandom.IsSet() && link.skip.IsSet());
    PostMessageA(window, WM_COMMAND, kClearQueue, 0);
    PostMessageA(window, WM_COMMAND, kRandomToggle, 0);
    vuvtest::Pause(800);
    EXPECT_EQ(SendMessageA(queue, LVM_GETITEMCOUNT, 0, 0), empty);
    EXPECT_FALSE(link.myMusicRandom.IsSet());
    link.skip.Reset();

    // The volume bar writes the volume as it is dragged: 36 of its 72
    // pixels 50 %, on to 18 pixels 25 %; a press outside the bars changes
    // nothing; 23 of the position bar's 115 pixels seek to 20 %, sent as 21.
    const int y = SplitterY() + 11 + 5;
    auto press = [&](int x, int to) {
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        vuvtest::Pause(300);
        const uint32_t atPress = link.volume.GetU32();
        PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to, y));
        PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(to, y));
        vuvtest::Pause(300);
        return std::to_string(atPress) + " " + std::to_string(link.volume.GetU32()) + " " +
               std::to_string(link.skipToPos.GetU32());
    };
    EXPECT_EQ(press(495 + 36, 495 + 18), "50 25 0");
    EXPECT_EQ(press(700, 700), "25 25 0");
    EXPECT_EQ(press(339 + 23, 339 + 23), "25 25 21");
    link.skipToPos.SetU32(0);
    EXPECT_EQ(editor.Close(), 0);
}
