// The properties and tag editing dialog as a user meets it: opened from the
// track list on one track and on several, its pages and genre dialogs, OK,
// and then the music files read back with the formats' own tools and the
// collection with vuvtool; and the "<edittag>" start on a single file.
#include "e2e/EditorDriver.h"
#include "e2e/TaggedMusic.h"
#include "player/PlayerLink.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using vuvtest::DumpedTracks;
using vuvtest::WindowText;
using Texts = std::vector<std::string>;

constexpr int kTrackList = 1008;
constexpr int kGeneralPage = 112, kDetailsPage = 113, kTabs = 1022, kDetailsText = 1020;
constexpr int kArtist = 1019, kTitle = 1025, kAlbum = 1021, kYear = 1024, kTrackNumber = 1027;
constexpr int kGenres = 1030, kNewGenre = 1033, kDeleteGenre = 1034, kFileGenre = 1087, kComment = 1026;
constexpr int kPreferenceStrip = 2001, kBoostStrip = 2002, kGenreRow = 16;

void SetText(HWND control, const std::string& text)
{
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The General page's five text fields, joined by "|".
std::string Fields(HWND page)
{
    std::string text;
    for (int id : {kArtist, kTitle, kAlbum, kYear, kTrackNumber})
        text += (id == kArtist ? "" : "|") + WindowText(GetDlgItem(page, id));
    return text;
}

// Also waits for the editor to save after its dialog: `owner` answers once
// its thread is free again.
bool WaitUntilGone(HWND window, DWORD ms = 30000, HWND owner = nullptr)
{
    return vuvtest::WaitFor([window] { return !IsWindow(window); }, ms) && (!owner || !WindowText(owner).empty());
}

// The next or previous page, as an arrow key on the tabs chooses it.
void ShowTab(HWND dialog, WPARAM arrow)
{
    PostMessageA(GetDlgItem(dialog, kTabs), WM_KEYDOWN, arrow, 0);
    vuvtest::Pause(500);
}

class PropertiesDialogTest : public vuvtest::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ASSERT_TRUE(vuvtest::MakeTaggedMusic(music_));
        collection_ = folder_.File("Tags.mcc");
    }
    void WriteCollection(const Texts& lines) { UseCollection("Tags.mcc", lines); }
    HWND Find(const std::string& title, DWORD ms = 15000)
    {
        return vuvtest::WaitForProcessWindow(editor_.ProcessId(), nullptr, title.c_str(), ms);
    }
    // Starts the editor, selects rows `first` to `last` of its list (the
    // first clicked, the last added with Shift once scrolled into view) and
    // opens the dialog titled `title` on them with "&Edit Tag".
    HWND OpenOn(int last, const std::string& title)
    {
        if (!editor_.Start())
            return nullptr;
        HWND list = editor_.Control(kTrackList);
        vuvtest::ClickAt(list, 60, vuvtest::TrackRowY(list, 0));
        SendMessageA(list, LVM_ENSUREVISIBLE, last, FALSE);
        if (last > 0)
            vuvtest::ClickAt(list, 60, vuvtest::TrackRowY(list, last - int(SendMessageA(list, LVM_GETTOPINDEX, 0, 0))),
                             MK_SHIFT);
        PostMessageA(editor_.Window(), WM_COMMAND, 40035, 0);
        return Find(title);
    }

    vuvtest::ScratchFolder music_;
    std::string collection_;
    vuvtest::Editor editor_;
};

}  // namespace

TEST_F(PropertiesDialogTest, OneTrackWithItsPagesAndGenreDialogs)
{
    const std::string mp3 = music_.File("a.mp3");
    WriteCollection({vuvtest::TrackLine(mp3, "Corvina", "Clouds", "Jazz"),
                     vuvtest::TrackLine(music_.File("b.flac"), "Sleet", "", "Pop")});
    HWND dialog = OpenOn(0, "Editing - '" + mp3 + "'");
    ASSERT_NE(dialog, nullptr);
    HWND page = GetDlgItem(dialog, kGeneralPage), genres = GetDlgItem(page, kGenres);
    EXPECT_EQ(Fields(page), "Corvina|Title|Clouds|2001|3");
    // 411 x 468 pixels, near the pointer (which other tests move meanwhile).
    RECT placed{};
    GetWindowRect(dialog, &placed);
    EXPECT_TRUE(placed.right - placed.left == 411 && placed.bottom - placed.top == 468 && placed.left >= 0);
    vuvtest::SaveScreenshot(dialog, "properties-general.png");
    // While the dialog is open the editor's timer leaves the player's
    // play-count report alone; it takes it once the dialog has closed.
    vuv::PlayerLink link(vuvtest::EditorLinkPrefix());
    vuv::PlayCountReport report{}, left{};
    strcpy(report.path, mp3.c_str());
    report.countPlay = 1;
    ASSERT_TRUE(link.liveUpdate.Set(&report));
    vuvtest::Pause(1000);
    EXPECT_TRUE(link.liveUpdate.Get(&left) && left.countPlay == 1);
    ShowTab(dialog, VK_RIGHT);
    EXPECT_FALSE(IsWindowVisible(page));
    const std::string details = WindowText(GetDlgItem(GetDlgItem(dialog, kDetailsPage), kDetailsText));
    EXPECT_EQ(details.rfind("File :\t\ta\r\nLocation", 0), 0u) << details;
    vuvtest::SaveScreenshot(dialog, "properties-details.png");
    ShowTab(dialog, VK_LEFT);

    // New Genre refuses a name that exists in another letter case and stays.
    PostMessageA(GetDlgItem(page, kNewGenre), BM_CLICK, 0, 0);
    HWND create = Find("New Genre");
    ASSERT_NE(create, nullptr);
    SetText(GetDlgItem(create, 1034), "JAZZ");
    vuvtest::SaveScreenshot(create, "properties-new-genre.png");
    PostMessageA(create, WM_COMMAND, 1035, 0);
    HWND refused = Find("Tonbrook");
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(refused, 0xFFFF)), "A Genre With This Name Already Exists.");
    PostMessageA(refused, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(refused));
    SetText(GetDlgItem(create, 1034), "Trip Hop");
    PostMessageA(create, WM_COMMAND, 1035, 0);
    ASSERT_TRUE(WaitUntilGone(create));
    // Deleting "Pop" (the second name) takes it from the other track.
    PostMessageA(GetDlgItem(page, kDeleteGenre), BM_CLICK, 0, 0);
    HWND remove = Find("Set Genre(s) to Delete");
    ASSERT_NE(remove, nullptr);
    SendMessageA(GetDlgItem(remove, 1037), LB_SETSEL, TRUE, 1);
    vuvtest::SaveScreenshot(remove, "properties-delete-genre.png");
    PostMessageA(remove, WM_COMMAND, 1038, 0);
    ASSERT_TRUE(WaitUntilGone(remove));

    // A new artist, a title past its 99 characters, a year, "Trip Hop" (now
    // the second row) included, five stars.
    SetText(GetDlgItem(page, kArtist), "Corvina Trio");
    SetText(GetDlgItem(page, kTitle), std::string(120, 'r'));
    SetText(GetDlgItem(page, kYear), "2002");
    vuvtest::ClickAt(genres, 40, kGenreRow + 8);
    vuvtest::ClickAt(GetDlgItem(page, kPreferenceStrip), 78, 5);
    vuvtest::SaveScreenshot(dialog, "properties-edited.png");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(dialog, 30000, editor_.Window()));
    vuvtest::Pause(1000);
    EXPECT_TRUE(link.liveUpdate.Get(&left) && left.countPlay == 0);

    const std::string tags = vuvtest::ListedTags(mp3);
    for (const std::string& part : {std::string("Corvina Trio"), std::string(99, 'r') + "\n", std::string("2002"),
                                    std::string("Jazz")})  // Jazz: the first of the track's genres
        EXPECT_NE(tags.find(part), std::string::npos) << part << "\n" << tags;
    // Saved at once, unsorted; the edited track is no longer new.
    EXPECT_EQ(DumpedTracks(collection_),
              (Texts{"Corvina Trio|" + std::string(99, 'r') + "|Clouds|Jazz; Trip Hop|2002|3|9|500|0",
                     "Sleet|Title|||2001|3|4|500|1"}));
    EXPECT_EQ(editor_.Close(), 0);
}

TEST_F(PropertiesDialogTest, SeveralTracksShareAnEditAndARefusingFileStaysAsItWas)
{
    const std::string flac = music_.File("b.flac"), ogg = music_.File("c.ogg"), mp3 = music_.File("a.mp3");
    const std::string locked = music_.File("locked.mp3");
    ASSERT_TRUE(CopyFileA(mp3.c_str(), locked.c_str(), FALSE));
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string lockedBytes = vuvtest::ReadBytes(locked);
    using vuvtest::TrackLine;
    WriteCollection({TrackLine(flac, "Sleet", "Winter", "Jazz", 3), TrackLine(ogg, "Sleet", "Winter", "rock", 5),
                     TrackLine(mp3, "Corvina", "Winter", "Jazz;Pop"), TrackLine(locked, "Corvina", "Winter", "Jazz")});
    HWND dialog = OpenOn(3, "Editing - [Multiple Items Selected]");
    ASSERT_NE(dialog, nullptr);
    HWND page = GetDlgItem(dialog, kGeneralPage);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kTabs), TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, kTitle)));
    EXPECT_EQ(Fields(page), "||Winter|2001|3");  // the artists differ
    vuvtest::SaveScreenshot(dialog, "properties-many.png");

    // A Windows-1252 letter in the album; "rock" (third row, mixed) becomes
    // included; the volume boost becomes automatic.
    SetText(GetDlgItem(page, kAlbum), "Hiver \xE9t\xE9");
    vuvtest::ClickAt(GetDlgItem(page, kGenres), 40, 2 * kGenreRow + 8);
    vuvtest::ClickAt(GetDlgItem(page, kBoostStrip), 4, 5);
    // The collection cannot be written at first (read-only): the editor
    // asks, and Retry saves once it can.
    SetFileAttributesA(collection_.c_str(), FILE_ATTRIBUTE_READONLY);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(dialog));
    HWND retry = Find("Vo Varar Odududaroz");
    SetFileAttributesA(collection_.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_NE(retry, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(retry, 0xFFFF)), "Error saving '" + collection_ + "'.");
    PostMessageA(retry, WM_COMMAND, IDRETRY, 0);
    ASSERT_TRUE(WaitUntilGone(retry));
    // The read-only file is named in a warning and is byte for byte as it was.
    HWND warning = Find("Tonbrook");
    ASSERT_NE(warning, nullptr);
    const std::string said = WindowText(GetDlgItem(warning, 0xFFFF));
    EXPECT_NE(said.find("'" + locked + "': the file is read-only"), std::string::npos) << said;
    vuvtest::SaveScreenshot(warning, "properties-unwritten-warning.png");
    PostMessageA(warning, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(warning));
    EXPECT_TRUE(vuvtest::ReadBytes(locked) == lockedBytes);
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

    const std::string flacTags = vuvtest::ListedTags(flac), oggTags = vuvtest::ListedTags(ogg);
    for (const char* part : {"ALBUM=Hiver \xC3\xA9t\xC3\xA9\n", "GENRE=Jazz\n", "ARTIST=Sleet\n"})
        EXPECT_NE(flacTags.find(part), std::string::npos) << part << flacTags;
    for (const char* part : {"ALBUM=Hiver \xC3\xA9t\xC3\xA9\n", "GENRE=rock\n", "TITLE=Hail\n"})
        EXPECT_NE(oggTags.find(part), std::string::npos) << part << oggTags;
    // The differing preferences stay; the refusing file's record keeps what
    // the file holds, but the boost, which only the collection holds, changed.
    EXPECT_EQ(DumpedTracks(collection_), (Texts{"Sleet|Title|Hiver \xE9t\xE9|Jazz; rock|2001|3|3|4000|0",
                                                "Sleet|Title|Hiver \xE9t\xE9|rock|2001|3|5|4000|0",
                                                "Corvina|Title|Hiver \xE9t\xE9|Jazz; Pop; rock|2001|3|4|4000|0",
                                                "Corvina|Title|Winter|Jazz|2001|3|4|4000|0"}));
    EXPECT_EQ(editor_.Close(), 0);
}

// A thousand tracks at once: a progress window comes up while the tags are
// written, and the editor keeps answering its windows meanwhile.
TEST_F(PropertiesDialogTest, AThousandTracksShowProgressAndStayResponsive)
{
    Texts lines;
    for (int i = 0; i < 1000; ++i) {
        const std::string file = music_.File("t" + std::to_string(i) + ".wav");
        ASSERT_TRUE(CopyFileA(music_.File("d.wav").c_str(), file.c_str(), FALSE));
        lines.push_back(vuvtest::TrackLine(file, "Artist " + std::to_string(i), "Album", ""));
    }
    WriteCollection(lines);
    HWND dialog = OpenOn(999, "Editing - [Multiple Items Selected]");
    ASSERT_NE(dialog, nullptr);
    SetText(GetDlgItem(GetDlgItem(dialog, kGeneralPage), kAlbum), "Thousand");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    HWND progress = Find("Writing Tags", 20000);
    ASSERT_NE(progress, nullptr);
    vuvtest::SaveScreenshot(progress, "properties-progress.png");
    // The count, read through the editor's own window procedure while it
    // writes: the editor answers.
    const std::string count = WindowText(GetDlgItem(progress, 1150));
    EXPECT_EQ(count.rfind("Writing the ID tags: ", 0), 0u) << count;
    ASSERT_TRUE(WaitUntilGone(dialog, 300000, editor_.Window()));
    int edited = 0;
    for (const std::string& track : DumpedTracks(collection_))
        edited += track.find("|Thousand|") != std::string::npos;
    EXPECT_EQ(edited, 1000);
    EXPECT_EQ(editor_.Close(), 0);
}

TEST_F(PropertiesDialogTest, EditTagStartEditsOneFileWithoutTheCollection)
{
    const std::string mp3 = music_.File("a.mp3");
    WriteCollection({vuvtest::TrackLine(mp3, "Corvina", "Clouds", "Jazz")});
    const std::string collectionBytes = vuvtest::ReadBytes(collection_);
    ASSERT_TRUE(SetFileAttributesA(mp3.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string title = "Tonbrook Editing - '" + mp3 + "'";
    ASSERT_TRUE(editor_.Start("<edittag>" + mp3, title.c_str()));
    HWND dialog = editor_.Window();
    EXPECT_EQ(Find("Tonbrook - Music Collection 'Tags'", 0), nullptr);
    HWND page = GetDlgItem(dialog, kGeneralPage);
    EXPECT_EQ(Fields(page), "Corvina|Rain|Clouds|2001|3");
    SetText(GetDlgItem(page, kFileGenre), "Psychadelic");
    SetText(GetDlgItem(page, kComment), "Fine");
    SetText(GetDlgItem(page, kAlbum), "");
    vuvtest::SaveScreenshot(dialog, "properties-file.png");
    ShowTab(dialog, VK_RIGHT);
    const std::string details = WindowText(GetDlgItem(GetDlgItem(dialog, kDetailsPage), kDetailsText));
    EXPECT_TRUE(details.rfind("File :\t\ta\r\n", 0) == 0 && details.find("Preferrence") == std::string::npos)
        << details;
    vuvtest::SaveScreenshot(dialog, "properties-file-details.png");

    // OK writes all seven elements (the emptied album clears its element),
    // a read-only file made writable first, and ends the program.
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(editor_.WaitForEnd(), 0);
    const std::string tags = vuvtest::ListedTags(mp3);
    for (const char* part : {"Corvina", "Psychadelic", "Fine"})
        EXPECT_NE(tags.find(part), std::string::npos) << part << tags;
    EXPECT_EQ(tags.find("Clouds"), std::string::npos) << tags;
    EXPECT_TRUE(vuvtest::ReadBytes(collection_) == collectionBytes);
}
