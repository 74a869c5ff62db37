// "Selective Play" as a user meets it: the Selective button of the play
// control panel opens the dialog; an artist unticked, a genre excluded, a
// star rating and a first year set on the four pages; "OK" writes the
// criteria, the selection index follows and the list shows the passing
// tracks first; a preset saved under a name titles the dialog; "No
// Selective Play" clears it all. And the "<selective>" start, which shows
// the dialog alone.
#include "e2e/DialogDriver.h"
#include "e2e/EditorDriver.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kTrackList = 1008;
constexpr int kTabs = 1120, kSave = 1121, kNone = 1123;
constexpr int kArtists = 1124, kGenres = 1127, kStars = 1134, kFirstYear = 1137;
constexpr int kLineHeight = 18;
constexpr COLORREF kExcludedMark = RGB(150, 158, 170);  // the default skin's FileExcluded.bmp ring

std::string Line(const char* file, const char* artist, const char* genre, int year, int preference)
{
    return std::string("C:\\Music\\") + file + ".mp3\t" + artist + "\tSong " + file + "\tAlbum\t" +
           std::to_string(year) + "\t1\t" + genre + "\t61000\t192\t44100\t2\t" + std::to_string(preference) +
           "\t0\t0\t500\t1";
}

// The criteria file's records: kind, then the name or the numbers.
std::vector<std::string> Records(const std::string& bytes)
{
    std::vector<std::string> out;
    for (size_t at = 0; at + 104 <= bytes.size(); at += 104) {
        uint32_t kind = 0, first = 0, last = 0;
        memcpy(&kind, bytes.data() + at, 4);
        memcpy(&first, bytes.data() + at + 4, 4);
        memcpy(&last, bytes.data() + at + 20, 4);
        if (kind == 3 || kind == 5)
            out.push_back(std::to_string(kind) + ":" + std::to_string(first) + (kind == 5 ? "-" + std::to_string(last) : ""));
        else
            out.push_back(std::to_string(kind) + ":" + std::string(bytes.data() + at + 4));
    }
    return out;
}

std::vector<uint32_t> Index(const std::string& bytes)
{
    std::vector<uint32_t> out(bytes.size() / 4);
    if (!out.empty())
        memcpy(out.data(), bytes.data(), out.size() * 4);
    return out;
}

class SelectivePlayWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        vuvtest::ClearEditorSettings();
        Forget();
        // 0 Alba Rock 1999 *9, 1 Alba Jazz 2003 *9, 2 Berg Jazz 2005 *9,
        // 3 Corr Pop 2010 *5, 4 Corr Pop 2012 *1, 5 (no artist) Pop 2011 *9.
        const std::vector<std::string> lines{Line("0", "Alba", "Rock", 1999, 9), Line("1", "Alba", "Jazz", 2003, 9),
                                             Line("2", "Berg", "Jazz", 2005, 9), Line("3", "Corr", "Pop", 2010, 5),
                                             Line("4", "Corr", "Pop", 2012, 1), Line("5", "", "Pop", 2011, 9)};
        ASSERT_TRUE(vuvtest::WriteCollection(folder_.File("m.tsv"), folder_.File("Selective Test.mcc"), lines));
        vuvtest::SetProgramText("ActiveMusicCollection", folder_.File("Selective Test.mcc"));
    }
    void TearDown() override
    {
        vuvtest::ClearEditorSettings();
        Forget();
    }
    // The editor's criteria, index and preset name belong to the suite's
    // user, not to this test.
    static void Forget()
    {
        DeleteFileA(vuvtest::SuiteUserFile(".dps").c_str());
        DeleteFileA(vuvtest::SuiteUserFile(".dpc").c_str());
        vuvtest::DeleteProgramValue("EditorSelectivePlay");
        vuvtest::DeleteProgramValue("LastAccessedFolder");
    }

    // The Selective button of the play control panel, below the splitter
    // line at two thirds of the desktop's height.
    static HWND OpenDialog(vuvtest::Editor& editor)
    {
        RECT desk{};
        GetWindowRect(GetDesktopWindow(), &desk);
        const int s = desk.bottom * 2 / 3;
        vuvtest::ClickClient(editor.Window(), 267 + 30, s + 12 + 8);
        return vuvtest::WaitForProcessWindow(editor.ProcessId(), "#32770", "Selective Play");
    }
    static void ClickLine(HWND list, int line) { vuvtest::ClickClient(list, 60, line * kLineHeight + kLineHeight / 2); }

    vuvtest::ScratchFolder folder_;
};

}  // namespace

TEST_F(SelectivePlayWindowTest, CriteriaSetOnThePagesChangeTheIndexAndTheList)
{
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND dialog = OpenDialog(editor);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(vuvtest::WindowText(dialog), "Selective Play");
    HWND artists = vuvtest::FindControl(dialog, kArtists);
    ASSERT_NE(artists, nullptr);
    // Every named artist, alphabetically; the track without one has no line.
    EXPECT_EQ(SendMessageA(artists, LB_GETCOUNT, 0, 0), 3);

    // Artist: "Berg" unticked.
    ClickLine(artists, 1);
    EXPECT_EQ(SendMessageA(artists, LB_GETCURSEL, 0, 0), LB_ERR);  // the click leaves no line chosen
    EXPECT_TRUE(vuvtest::SaveShot(dialog, "selective-artist.png"));

    // Genre: "Rock" (Jazz, Pop, Rock) to exclude; the tab strip is driven
    // with the arrow keys once the first tab has the focus.
    HWND tabs = vuvtest::FindControl(dialog, kTabs);
    vuvtest::ClickClient(tabs, 15, 10);
    vuvtest::PressKey(VK_RIGHT);
    HWND genres = vuvtest::FindControl(dialog, kGenres);
    ASSERT_TRUE(IsWindowVisible(genres));
    EXPECT_FALSE(IsWindowVisible(artists));
    ClickLine(genres, 2);
    EXPECT_TRUE(vuvtest::SaveShot(dialog, "selective-genre.png"));

    // Preference: a click 33 pixels into the 80-pixel strip gives 3
    // ((33 + 2) x 10 / 80 - 1), two stars shown.
    vuvtest::ClickClient(tabs, 15, 10);
    vuvtest::PressKey(VK_RIGHT);
    vuvtest::PressKey(VK_RIGHT);
    HWND stars = vuvtest::FindControl(dialog, kStars);
    ASSERT_TRUE(IsWindowVisible(stars));
    RECT strip{};
    GetClientRect(stars, &strip);
    EXPECT_EQ(strip.right, 80);
    vuvtest::ClickClient(stars, 33, 7);
    EXPECT_TRUE(vuvtest::SaveShot(dialog, "selective-preference.png"));

    // Year: from 2000, no last year.
    vuvtest::ClickClient(tabs, 15, 10);
    for (int i = 0; i < 3; ++i)
        vuvtest::PressKey(VK_RIGHT);
    HWND firstYear = vuvtest::FindControl(dialog, kFirstYear);
    ASSERT_TRUE(IsWindowVisible(firstYear));
    EXPECT_EQ(SendMessageA(firstYear, CB_GETCOUNT, 0, 0) > 20, true);  // this year down to 1995
    HWND yearEdit = FindWindowExA(firstYear, nullptr, "Edit", nullptr);
    vuvtest::ClickControl(yearEdit);
    vuvtest::TypeText("2000");
    EXPECT_TRUE(vuvtest::SaveShot(dialog, "selective-year.png"));

    vuvtest::ClickControl(vuvtest::FindControl(dialog, IDOK));
    for (int i = 0; i < 50 && IsWindow(dialog); ++i)
        vuvtest::Pause(100);
    ASSERT_FALSE(IsWindow(dialog));

    const std::vector<std::string> expected{"1:Berg", "2:Rock", "3:3", "5:2000-0"};
    EXPECT_EQ(Records(vuvtest::ReadBytes(vuvtest::SuiteUserFile(".dps"))), expected);
    // Alba's Jazz of 2003 and Corr's Pop of 2010 pass.
    EXPECT_EQ(Index(vuvtest::ReadBytes(vuvtest::SuiteUserFile(".dpc"))), (std::vector<uint32_t>{1, 3}));
    EXPECT_TRUE(vuvtest::WaitForText(editor.Window(), "Tonbrook - Music Collection 'Selective Test' [Selective Play]"));

    // The list: the two passing tracks first, then the four left out with
    // their mark (its ring at (7, 1) of the 14-pixel mark at the row's
    // (2, 2)).
    vuvtest::Pause(500);
    HWND list = editor.Control(kTrackList);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT headerRect{};
    GetClientRect(header, &headerRect);
    POINT origin{0, 0};
    ClientToScreen(list, &origin);
    POINT windowOrigin{0, 0};
    ClientToScreen(editor.Window(), &windowOrigin);
    const vuvtest::Capture shot = vuvtest::CaptureClient(editor.Window());
    const int x = origin.x - windowOrigin.x + 2 + 7, top = origin.y - windowOrigin.y + headerRect.bottom + 2 + 1;
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(shot.At(x, top + row * kLineHeight) == kExcludedMark, row >= 2) << "row " << row;
    EXPECT_TRUE(vuvtest::SaveShot(editor.Window(), "selective-main-window.png"));

    // Again: the pages show the criteria; saved as the preset "party"
    // they title the dialog with its name.
    dialog = OpenDialog(editor);
    ASSERT_NE(dialog, nullptr);
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kSave));
    ASSERT_TRUE(vuvtest::AnswerFileDialog(editor.ProcessId(), "Save Selective Play Settings", folder_.File("party")));
    EXPECT_TRUE(vuvtest::WaitForText(dialog, "Selective Play 'party'"));
    EXPECT_EQ(Records(vuvtest::ReadBytes(folder_.File("party.dps"))), expected);

    // "No Selective Play": no criteria, an empty index, the title plain.
    vuvtest::ClickControl(vuvtest::FindControl(dialog, kNone));
    for (int i = 0; i < 50 && IsWindow(dialog); ++i)
        vuvtest::Pause(100);
    ASSERT_FALSE(IsWindow(dialog));
    EXPECT_EQ(vuvtest::ReadBytes(vuvtest::SuiteUserFile(".dps")), "");
    const std::string index = vuvtest::SuiteUserFile(".dpc");
    EXPECT_NE(GetFileAttributesA(index.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(vuvtest::ReadBytes(index), "");
    EXPECT_TRUE(vuvtest::WaitForText(editor.Window(), "Tonbrook - Music Collection 'Selective Test'"));
    EXPECT_EQ(editor.Close(), 0);
}

TEST_F(SelectivePlayWindowTest, TheSelectiveStartShowsTheDialogAlone)
{
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.StartProcess("<selective>"));
    HWND dialog = vuvtest::WaitForProcessWindow(editor.ProcessId(), "#32770", "Selective Play");
    ASSERT_NE(dialog, nullptr);
    // The main window stays out of sight.
    HWND owner = GetWindow(dialog, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    vuvtest::ClickControl(vuvtest::FindControl(dialog, IDCANCEL));
    EXPECT_EQ(editor.WaitForEnd(), 0);
    // Cancel wrote nothing.
    EXPECT_EQ(GetFileAttributesA(vuvtest::SuiteUserFile(".dps").c_str()), INVALID_FILE_ATTRIBUTES);
}
