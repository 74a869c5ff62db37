// The properties and tag editing dialog as a user meets it: opened from the
// track list on one track and on several, its pages and genre dialogs, OK,
// and then the music files read back with the formats' own tools and the
// collection with vuvtool; and the "<edittag>" start on a single file.
#include "e2e/EditorDriver.h"
#include "e2e/TaggedMusic.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vuvtest::DumpedTracks;

constexpr int kTrackList = 1008;
constexpr WPARAM kEditTag = 40035;
constexpr int kGeneralPage = 112, kDetailsPage = 113;
constexpr int kTabs = 1022, kArtist = 1019, kTitle = 1025, kAlbum = 1021, kYear = 1024, kTrackNumber = 1027;
constexpr int kGenres = 1030, kNewGenre = 1033, kDeleteGenre = 1034, kDetailsText = 1020;
constexpr int kFileGenre = 1087, kComment = 1026;
constexpr int kPreferenceStrip = 2001, kBoostStrip = 2002;
constexpr int kGenreRow = 16;

void SetText(HWND control, const std::string& text)
{
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// A press and release of the left button at (x, y) of the control's client area.
void Click(HWND control, int x, int y, WPARAM keys = 0)
{
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, y));
    PostMessageA(control, WM_LBUTTONUP, keys, MAKELPARAM(x, y));
    vuvtest::Pause(300);
}

void Screenshot(HWND window, const char* name)
{
    const std::string dir = vuvtest::ScreenshotDir();
    if (!dir.empty()) {
        EXPECT_TRUE(vuvtest::SavePng(vuvtest::CaptureWindow(window), dir + name));
    }
}

bool WaitUntilGone(HWND window, DWORD ms = 30000)
{
    for (DWORD waited = 0; IsWindow(window); waited += 100) {
        if (waited >= ms)
            return false;
        vuvtest::Pause(100);
    }
    return true;
}

// The manifest line of a track (see vuvtool demo-collection).
std::string Line(const std::string& path, const std::string& artist, const std::string& album,
                 const std::string& genres, int preference = 4)
{
    return path + "\t" + artist + "\tTitle\t" + album + "\t2001\t3\t" + genres + "\t1000\t128\t44100\t2\t" +
           std::to_string(preference) + "\t1\t0\t500\t1";
}

class PropertiesDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        vuvtest::ClearEditorSettings();
        ASSERT_TRUE(vuvtest::MakeTaggedMusic(music_));
        collection_ = folder_.File("Tags.mcc");
    }
    void TearDown() override { vuvtest::ClearEditorSettings(); }

    void WriteCollection(const std::vector<std::string>& lines)
    {
        ASSERT_TRUE(vuvtest::WriteCollection(folder_.File("m.tsv"), collection_, lines));
        vuvtest::SetProgramText("ActiveMusicCollection", collection_);
    }
    // Selects the first `rows` rows of the started editor's list (row 0
    // clicked, the others added with Ctrl) and opens the dialog on them.
    HWND OpenOn(vuvtest::Editor& editor, int rows, const std::string& title)
    {
        HWND list = editor.Control(kTrackList);
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        RECT r{};
        GetClientRect(header, &r);
        for (int row = 0; row < rows; ++row)
            Click(list, 60, r.bottom + row * 18 + 9, row == 0 ? 0 : MK_CONTROL);
        PostMessageA(editor.Window(), WM_COMMAND, kEditTag, 0);
        return vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, title.c_str());
    }

    vuvtest::ScratchFolder folder_;
    vuvtest::ScratchFolder music_;
    std::string collection_;
};

}  // namespace

TEST_F(PropertiesDialogTest, OneTrackGetsItsFieldsIntoRecordAndTag)
{
    const std::string mp3 = music_.File("a.mp3");
    const std::string audio = vuvtest::DecodedDigest(mp3);
    WriteCollection({Line(mp3, "Corvina", "Clouds", "Jazz"), Line(music_.File("b.flac"), "Sleet", "", "Pop")});
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND dialog = OpenOn(editor, 1, "Editing - '" + mp3 + "'");
    ASSERT_NE(dialog, nullptr);
    HWND page = GetDlgItem(dialog, kGeneralPage);
    HWND tabs = GetDlgItem(dialog, kTabs);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kArtist)), "Corvina");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kTitle)), "Title");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kAlbum)), "Clouds");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kYear)), "2001");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kTrackNumber)), "3");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, kFileGenre)));
    Screenshot(dialog, "properties-general.png");

    // The Details page shows the track's information text.
    PostMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
    vuvtest::Pause(500);
    HWND details = GetDlgItem(dialog, kDetailsPage);
    EXPECT_TRUE(IsWindowVisible(details));
    EXPECT_FALSE(IsWindowVisible(page));
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(details, kDetailsText)).rfind("File :\t\ta\r\nLocation :\t\t", 0), 0u);
    Screenshot(dialog, "properties-details.png");
    PostMessageA(tabs, WM_KEYDOWN, VK_LEFT, 0);
    vuvtest::Pause(500);

    // A new artist, a title past its 99 characters, a year; "Pop" (the
    // second genre row, by name) joins "Jazz"; five stars.
    SetText(GetDlgItem(page, kArtist), "Corvina Trio");
    SetText(GetDlgItem(page, kTitle), std::string(120, 'r'));
    SetText(GetDlgItem(page, kYear), "2002");
    Click(GetDlgItem(page, kGenres), 40, kGenreRow + 8);
    Click(GetDlgItem(page, kPreferenceStrip), 78, 5);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(dialog));
    vuvtest::Pause(500);

    const std::string tags = vuvtest::ListedTags(mp3);
    EXPECT_NE(tags.find("Corvina Trio"), std::string::npos) << tags;
    EXPECT_NE(tags.find(std::string(99, 'r')), std::string::npos) << tags;
    EXPECT_EQ(tags.find(std::string(100, 'r')), std::string::npos) << tags;
    EXPECT_NE(tags.find("2002"), std::string::npos) << tags;
    EXPECT_NE(tags.find("Jazz"), std::string::npos) << tags;  // the first of the track's genres
    EXPECT_EQ(vuvtest::DecodedDigest(mp3), audio);
    // Saved at once, unsorted.
    const auto tracks = DumpedTracks(collection_);
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(tracks[0][vuvtest::kDumpArtist], "Corvina Trio");
    EXPECT_EQ(tracks[0][vuvtest::kDumpTitle], std::string(99, 'r'));
    EXPECT_EQ(tracks[0][vuvtest::kDumpYear], "2002");
    EXPECT_EQ(tracks[0][vuvtest::kDumpGenre], "Jazz; Pop");
    EXPECT_EQ(tracks[0][vuvtest::kDumpPreference], "9");
    EXPECT_EQ(tracks[0][vuvtest::kDumpFlags], "0");  // no longer new
    EXPECT_EQ(tracks[1][vuvtest::kDumpArtist], "Sleet");
    EXPECT_EQ(tracks[1][vuvtest::kDumpFlags], "1");
    EXPECT_EQ(editor.Close(), 0);
}

TEST_F(PropertiesDialogTest, SeveralTracksShareAnEditAndARefusingFileStaysAsItWas)
{
    const std::string flac = music_.File("b.flac"), ogg = music_.File("c.ogg"), mp3 = music_.File("a.mp3");
    const std::string locked = music_.File("locked.mp3");
    ASSERT_TRUE(CopyFileA(mp3.c_str(), locked.c_str(), FALSE));
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string lockedBytes = vuvtest::ReadBytes(locked);
    const std::string oggAudio = vuvtest::DecodedDigest(ogg), flacAudio = vuvtest::DecodedDigest(flac);
    WriteCollection({Line(flac, "Sleet", "Winter", "Jazz", 3), Line(ogg, "Sleet", "Winter", "rock", 5),
                     Line(mp3, "Corvina", "Winter", "Jazz;Pop"), Line(locked, "Corvina", "Winter", "Jazz")});
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND dialog = OpenOn(editor, 4, "Editing - [Multiple Items Selected]");
    ASSERT_NE(dialog, nullptr);
    HWND page = GetDlgItem(dialog, kGeneralPage);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kTabs), TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, kTitle)));
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kArtist)), "");  // the artists differ
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kAlbum)), "Winter");
    Screenshot(dialog, "properties-many.png");

    // A Windows-1252 letter in the album; "rock" (third row, mixed) becomes
    // included; the volume boost becomes automatic.
    SetText(GetDlgItem(page, kAlbum), "Hiver \xE9t\xE9");
    Click(GetDlgItem(page, kGenres), 40, 2 * kGenreRow + 8);
    Click(GetDlgItem(page, kBoostStrip), 4, 5);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(dialog));

    // The read-only file is named in a warning and is byte for byte as it was.
    HWND warning = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Tonbrook", 15000);
    ASSERT_NE(warning, nullptr);
    const std::string said = vuvtest::WindowText(GetDlgItem(warning, 0xFFFF));
    EXPECT_NE(said.find("'" + locked + "': the file is read-only"), std::string::npos) << said;
    Screenshot(warning, "properties-unwritten-warning.png");
    PostMessageA(warning, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(warning));
    EXPECT_TRUE(vuvtest::ReadBytes(locked) == lockedBytes);
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

    const std::string album = "Hiver \xC3\xA9t\xC3\xA9";  // UTF-8 in the tools' output
    const std::string flacTags = vuvtest::ListedTags(flac), oggTags = vuvtest::ListedTags(ogg);
    EXPECT_NE(flacTags.find("ALBUM=" + album + "\n"), std::string::npos) << flacTags;
    EXPECT_NE(flacTags.find("GENRE=Jazz\n"), std::string::npos) << flacTags;
    EXPECT_NE(flacTags.find("ARTIST=Sleet\n"), std::string::npos) << flacTags;  // not touched
    EXPECT_NE(oggTags.find("ALBUM=" + album + "\n"), std::string::npos) << oggTags;
    EXPECT_NE(oggTags.find("GENRE=rock\n"), std::string::npos) << oggTags;
    EXPECT_NE(oggTags.find("TITLE=Hail\n"), std::string::npos) << oggTags;
    EXPECT_EQ(vuvtest::DecodedDigest(flac), flacAudio);
    EXPECT_EQ(vuvtest::DecodedDigest(ogg), oggAudio);

    const auto tracks = DumpedTracks(collection_);
    ASSERT_EQ(tracks.size(), 4u);
    const std::string albumAnsi = "Hiver \xE9t\xE9";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tracks[i][vuvtest::kDumpAlbum], albumAnsi) << i;
        EXPECT_EQ(tracks[i][vuvtest::kDumpVolume], "4000") << i;
    }
    EXPECT_EQ(tracks[0][vuvtest::kDumpArtist], "Sleet");
    EXPECT_EQ(tracks[0][vuvtest::kDumpPreference], "3");  // the preferences differed
    EXPECT_EQ(tracks[1][vuvtest::kDumpPreference], "5");
    EXPECT_EQ(tracks[0][vuvtest::kDumpGenre], "Jazz; rock");
    EXPECT_EQ(tracks[1][vuvtest::kDumpGenre], "rock");
    EXPECT_EQ(tracks[2][vuvtest::kDumpGenre], "Jazz; Pop; rock");
    // The collection keeps what the refusing file holds; the boost, which
    // only the collection holds, changed all the same.
    EXPECT_EQ(tracks[3][vuvtest::kDumpAlbum], "Winter");
    EXPECT_EQ(tracks[3][vuvtest::kDumpGenre], "Jazz");
    EXPECT_EQ(tracks[3][vuvtest::kDumpVolume], "4000");
    EXPECT_EQ(editor.Close(), 0);
}

TEST_F(PropertiesDialogTest, GenresAreCreatedAndDeleted)
{
    WriteCollection({Line(music_.File("a.mp3"), "Corvina", "Clouds", "Jazz;Pop"),
                     Line(music_.File("b.flac"), "Sleet", "", "Pop")});
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    HWND dialog = OpenOn(editor, 1, "Editing - '" + music_.File("a.mp3") + "'");
    ASSERT_NE(dialog, nullptr);
    HWND page = GetDlgItem(dialog, kGeneralPage);
    HWND genres = GetDlgItem(page, kGenres);
    EXPECT_EQ(SendMessageA(genres, LB_GETCOUNT, 0, 0), 2);

    // A name that exists in another letter case is refused; the dialog stays.
    PostMessageA(GetDlgItem(page, kNewGenre), BM_CLICK, 0, 0);
    HWND create = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "New Genre");
    ASSERT_NE(create, nullptr);
    SetText(GetDlgItem(create, 1034), "JAZZ");
    Screenshot(create, "properties-new-genre.png");
    PostMessageA(create, WM_COMMAND, 1035, 0);
    HWND refused = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Tonbrook", 10000);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(refused, 0xFFFF)), "A Genre With This Name Already Exists.");
    PostMessageA(refused, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(refused));
    EXPECT_TRUE(IsWindow(create));
    SetText(GetDlgItem(create, 1034), "Trip Hop");
    PostMessageA(create, WM_COMMAND, 1035, 0);
    ASSERT_TRUE(WaitUntilGone(create));
    EXPECT_EQ(SendMessageA(genres, LB_GETCOUNT, 0, 0), 3);

    // "Pop" (the second name of the delete list) goes from the list, the
    // tracks and the saved collection at once.
    PostMessageA(GetDlgItem(page, kDeleteGenre), BM_CLICK, 0, 0);
    HWND remove = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Set Genre(s) to Delete");
    ASSERT_NE(remove, nullptr);
    HWND names = GetDlgItem(remove, 1037);
    EXPECT_EQ(SendMessageA(names, LB_GETCOUNT, 0, 0), 3);
    SendMessageA(names, LB_SETSEL, TRUE, 1);
    Screenshot(remove, "properties-delete-genre.png");
    PostMessageA(remove, WM_COMMAND, 1038, 0);
    ASSERT_TRUE(WaitUntilGone(remove));
    EXPECT_EQ(SendMessageA(genres, LB_GETCOUNT, 0, 0), 2);
    Screenshot(dialog, "properties-genres.png");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntilGone(dialog));

    const auto tracks = DumpedTracks(collection_);
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(tracks[0][vuvtest::kDumpGenre], "Jazz");
    EXPECT_EQ(tracks[1][vuvtest::kDumpGenre], "");
    const std::string genreFile = vuvtest::ReadBytes(folder_.File("Tags.mcg"));
    EXPECT_NE(genreFile.find("Trip Hop"), std::string::npos);
    EXPECT_EQ(genreFile.find("Pop"), std::string::npos);
    EXPECT_EQ(editor.Close(), 0);
}

TEST_F(PropertiesDialogTest, EditTagStartEditsOneFileWithoutTheCollection)
{
    const std::string mp3 = music_.File("a.mp3");
    WriteCollection({Line(mp3, "Corvina", "Clouds", "Jazz")});
    const std::string collectionBytes = vuvtest::ReadBytes(collection_);
    ASSERT_TRUE(SetFileAttributesA(mp3.c_str(), FILE_ATTRIBUTE_READONLY));

    vuvtest::Editor editor;
    const std::string title = "Tonbrook Editing - '" + mp3 + "'";
    ASSERT_TRUE(editor.Start("<edittag>" + mp3, title.c_str()));
    HWND dialog = editor.Window();
    EXPECT_EQ(vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Tonbrook - Music Collection 'Tags'", 0),
              nullptr);
    HWND page = GetDlgItem(dialog, kGeneralPage);
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kArtist)), "Corvina");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kTitle)), "Rain");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kAlbum)), "Clouds");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kYear)), "2001");
    EXPECT_EQ(vuvtest::WindowText(GetDlgItem(page, kTrackNumber)), "3");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, kFileGenre)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, kComment)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, kGenres)));
    SetText(GetDlgItem(page, kFileGenre), "Psychadelic");
    SetText(GetDlgItem(page, kComment), "Fine");
    SetText(GetDlgItem(page, kAlbum), "");
    Screenshot(dialog, "properties-file.png");
    PostMessageA(GetDlgItem(dialog, kTabs), WM_KEYDOWN, VK_RIGHT, 0);
    vuvtest::Pause(800);
    const std::string details = vuvtest::WindowText(GetDlgItem(GetDlgItem(dialog, kDetailsPage), kDetailsText));
    EXPECT_EQ(details.rfind("File :\t\ta\r\n", 0), 0u) << details;
    EXPECT_EQ(details.find("Preferrence :"), std::string::npos) << details;
    Screenshot(dialog, "properties-file-details.png");

    // OK writes all seven elements (the emptied album clears its element),
    // a read-only file made writable first, and ends the program.
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(editor.WaitForEnd(), 0);
    const std::string tags = vuvtest::ListedTags(mp3);
    EXPECT_NE(tags.find("Corvina"), std::string::npos) << tags;
    EXPECT_NE(tags.find("Psychadelic"), std::string::npos) << tags;
    EXPECT_NE(tags.find("Fine"), std::string::npos) << tags;
    EXPECT_EQ(tags.find("Clouds"), std::string::npos) << tags;
    EXPECT_TRUE(vuvtest::ReadBytes(collection_) == collectionBytes);
}

// A thousand tracks at once: a progress window comes up while the tags are
// written, and the editor keeps answering its windows meanwhile.
TEST_F(PropertiesDialogTest, AThousandTracksShowProgressAndStayResponsive)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) {
        const std::string file = music_.File("t" + std::to_string(i) + ".wav");
        ASSERT_TRUE(CopyFileA(music_.File("d.wav").c_str(), file.c_str(), FALSE));
        lines.push_back(Line(file, "Artist " + std::to_string(i), "Album", ""));
    }
    WriteCollection(lines);
    vuvtest::Editor editor;
    ASSERT_TRUE(editor.Start());
    // Row 0, then a Shift click on the last row once it is scrolled into
    // view.
    HWND list = editor.Control(kTrackList);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT top{}, client{};
    GetClientRect(header, &top);
    GetClientRect(list, &client);
    Click(list, 60, top.bottom + 9);
    SendMessageA(list, LVM_ENSUREVISIBLE, 999, FALSE);
    vuvtest::Pause(300);
    Click(list, 60, client.bottom - 25, MK_SHIFT);
    PostMessageA(editor.Window(), WM_COMMAND, kEditTag, 0);
    HWND dialog = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Editing - [Multiple Items Selected]");
    ASSERT_NE(dialog, nullptr);
    SetText(GetDlgItem(GetDlgItem(dialog, kGeneralPage), kAlbum), "Thousand");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);

    HWND progress = vuvtest::WaitForProcessWindow(editor.ProcessId(), nullptr, "Writing Tags", 20000);
    ASSERT_NE(progress, nullptr);
    Screenshot(progress, "properties-progress.png");
    // The count moves on, read through the editor's own window procedure.
    HWND count = GetDlgItem(progress, 1150);
    const std::string first = vuvtest::WindowText(count);
    EXPECT_EQ(first.rfind("Writing the ID tags: ", 0), 0u) << first;
    std::string later = first;
    for (int i = 0; i < 50 && later == first && IsWindow(progress); ++i) {
        vuvtest::Pause(100);
        later = vuvtest::WindowText(count);
    }
    EXPECT_NE(later, first);
    ASSERT_TRUE(WaitUntilGone(dialog, 300000));

    const auto tracks = DumpedTracks(collection_);
    ASSERT_EQ(tracks.size(), 1000u);
    int edited = 0;
    for (const auto& track : tracks)
        edited += track[vuvtest::kDumpAlbum] == "Thousand";
    EXPECT_EQ(edited, 1000);
    EXPECT_EQ(editor.Close(), 0);
}
