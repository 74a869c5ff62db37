// "Selective Play" as a user meets it: the Selective button opens the
// dialog; an artist unticked, a genre excluded, stars and a first year set
// on the four pages; "OK" writes the criteria, the selection index follows
// and the list shows the passing tracks first; a preset saved under a name
// titles the dialog; "No Selective Play" clears it all. And the
// "<selective>" start, which shows the dialog alone.
#include "e2e/DialogDriver.h"
#include "e2e/EditorDriver.h"
#include "selection/SelectiveCriteria.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

constexpr int kTabs = 1120, kSave = 1121, kNone = 1123, kArtists = 1124, kGenres = 1127, kStars = 1134;
constexpr int kFirstYear = 1137;
constexpr int kLineHeight = 18;                        // the dialog's lists and the track list
constexpr COLORREF kExcludedMark = RGB(150, 158, 170);  // the default skin's FileExcluded.bmp ring

std::string Line(const char* file, const char* artist, const char* genre, int year, int preference)
{
    return std::string("C:\\Music\\") + file + ".mp3\t" + artist + "\tSong " + file + "\tAlbum\t" +
           std::to_string(year) + "\t1\t" + genre + "\t61000\t192\t44100\t2\t" + std::to_string(preference) +
           "\t0\t0\t500\t1";
}

class SelectivePlayWindowTest : public vuvtest::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        const std::vector<std::string> lines{Line("0", "Alba", "Rock", 1999, 9), Line("1", "Alba", "Jazz", 2003, 9),
                                             Line("2", "Berg", "Jazz", 2005, 9), Line("3", "Corr", "Pop", 2010, 5),
                                             Line("4", "Corr", "Pop", 2012, 1), Line("5", "", "Pop", 2011, 9)};
        UseCollection("Selective Test.mcc", lines);
    }

    // The Selective button, below the splitter line at two thirds of the
    // desktop's height.
    static HWND OpenDialog(vuvtest::Editor& editor)
    {
        RECT desk{};
        GetWindowRect(GetDesktopWindow(), &desk);
        vuvtest::ClickClient(editor.Window(), 267 + 30, desk.bottom * 2 / 3 + 12 + 8);
        return vuvtest::WaitForProcessWindow(editor.ProcessId(), "#32770", "Selective Play");
    }
    // The tab strip takes the arrow keys once its first tab has the focus.
    static void ShowPage(HWND dialog, int page)
    {
        vuvtest::ClickClient(vuvtest::FindControl(dialog, kTabs), 15, 10);
        for (int i = 0; i < page; ++i)
            vuvtest::PressKey(VK_RIGHT);
    }
    static void ClickLine(HWND list, int line) { vuvtest::ClickClient(list, 60, line * kLineHeight + kLineHeight / 2); }
};

}  // namespace

TEST_F(SelectivePlayWindowTest, CriteriaSetOnThePagesChangeTheIndexAndTheList)
{
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND dialog = OpenDialog(editor);
    ASSERT_NE(dialog, nullptr);
    // Every named artist, alphabetically: "Berg" unticked.
    HWND artists = vuvtest::FindControl(dialog, kArtists);
    EXPECT_EQ(SendMessageA(artists, LB_GETCOUNT, 0, 0), 3);
    ClickLine(artists, 1);
    EXPECT_EQ(SendMessageA(artists, LB_GETCURSEL, 0, 0), LB_ERR);  // the click leaves no line chosen
    vuvtest::SaveScreenshot(dialog, "selective-artist.png");
    // Jazz, Pop, Rock: "Rock" excluded.
    ShowPage(dialog, 1);
    HWND genres = vuvtest::FindControl(dialog, kGenres);
    ASSERT_TRUE(IsWindowVisible(genres) && !IsWindowVisible(artists));
    ClickLine(genres, 2);
    vuvtest::SaveScreenshot(dialog, "selective-genre.png");
    // 33 pixels into the 80-pixel star strip: (33 + 2) x 10 / 80 - 1 = 3.
    ShowPage(dialog, 2);
    vuvtest::ClickClient(vuvtest::FindControl(dialog, kStars), 33, 7);
    vuvtest::SaveScreenshot(dialog, "selective-preference.png");
    // From 2000, no last year.
    ShowPage(dialog, 3);
    vuvtest::ClickControl(FindWindowExA(vuvtest::FindControl(dialog, kFirstYear), nullptr, "Edit", nullptr));
    vuvtest::TypeText("2000");
    vuvtest::SaveScreenshot(dialog, "selective-year.png");
    vuvtest::ClickControl(vuvtest::FindControl(dialog, IDOK));
    ASSERT_TRUE(vuvtest::WaitUntilGone(dialog));

    vuv::SelectiveCriteria expected;
    expected.untickedArtists = {"Berg"};
    expected.genres = {{"Rock", vuv::GenreChoice::Exclude}};
    expected.minPreference = 3;
    expected.firstYear = 2000;
    ASSERT_TRUE(vuv::WriteCriteria(folder_.File("expected.dps"), expected));
    EXPECT_EQ(vuvtest::ReadBytes(vuvtest::SuiteUserFile(".dps")), vuvtest::ReadBytes(folder_.File("expected.dps")));
    // Alba's Jazz of 2003 and Corr's Pop of 2010 pass.
    EXPECT_EQ(vuvtest::ReadBytes(vuvtest::SuiteUserFile(".dpc")), std::string("\1\0\0\0\3\0\0\0", 8));
    EXPECT_TRUE(vuvtest::WaitForText(editor.Window(), "Tonbrook - Music Collection 'Selective Test' [Selective Play]"));
    // The list: the two that pass first, the four left out with their
    // mark (its ring at (7, 1) of the mark at the row's (2, 2)).
    vuvtest::Pause(500);
    HWND list = editor.Control(1008);
    RECT header{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &header);
    POINT origin{header.left, header.bottom};
    ScreenToClient(editor.Window(), &origin);
    const vuvtest::Capture shot = vuvtest::CaptureClient(editor.Window());
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(shot.At(origin.x + 2 + 7, origin.y + 2 + 1 + row * kLineHeight) == kExcludedMark, row >= 2) << row;
    vuvtest::SaveScreenshot(editor.Window(), "selective-main-window.png");

    // Saved as the preset "party", the criteria title the dialog.
    dialog = OpenDialog(editor);
    ASSERT_NE(dialog, nullptr);
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kSave));
    ASSERT_TRUE(vuvtest::AnswerFileDialog(editor.ProcessId(), "Save Selective Play Settings", folder_.File("party")));
    EXPECT_TRUE(vuvtest::WaitForText(dialog, "Selective Play 'party'"));
    EXPECT_EQ(vuvtest::ReadBytes(folder_.File("party.dps")), vuvtest::ReadBytes(folder_.File("expected.dps")));
    // "No Selective Play": no criteria, an index of 0 bytes, a plain title.
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kNone));
    ASSERT_TRUE(vuvtest::WaitUntilGone(dialog));
    EXPECT_EQ(vuvtest::ReadBytes(vuvtest::SuiteUserFile(".dps")), "");
    EXPECT_NE(GetFileAttributesA(vuvtest::SuiteUserFile(".dpc").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(vuvtest::ReadBytes(vuvtest::SuiteUserFile(".dpc")), "");
    EXPECT_TRUE(vuvtest::WaitForText(editor.Window(), "Tonbrook - Music Collection 'Selective Test'"));
    EXPECT_EQ(editor.Close(), 0);
}

TEST_F(SelectivePlayWindowTest, TheSelectiveStartShowsTheDialogAlone)
{
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.StartProcess("<selective>"));
    HWND dialog = vuvtest::WaitForProcessWindow(editor.ProcessId(), "#32770", "Selective Play");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowVisible(GetWindow(dialog, GW_OWNER)));  // the main window stays out of sight
    vuvtest::ClickControl(vuvtest::FindControl(dialog, IDCANCEL));
    EXPECT_EQ(editor.WaitForEnd(), 0);
    EXPECT_EQ(GetFileAttributesA(vuvtest::SuiteUserFile(".dps").c_str()), INVALID_FILE_ATTRIBUTES);
}
