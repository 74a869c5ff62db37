// Adding music as a user meets it in the editor: "Add Music" with a folder
// of the demo library, files dropped on the window, "Paste Shortcut", the
// hand-off file of a sibling program with its event, Cancel in the "Adding
// Tracks" window, and the "New Track Preferences" and "New Track Lookout"
// dialogs with the settings they store.
#include "e2e/DialogDriver.h"
#include "e2e/EditorDriver.h"
#include "platform/Locations.h"
#include "platform/NamedEvent.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vuvtest;

namespace {

constexpr int kTrackList = 1008;
constexpr int kAddFolder = 40016, kAddFiles = 40015, kPaste = 40029, kPreferences = 40041, kLookout = 40067;
constexpr int kProgressDetail = 1007, kProgressCancel = 1086;

// The settings this test writes, and those of the editor, cleared before
// and after (the program's own key: the editor is another process).
void ClearIntakeSettings()
{
    for (const char* name : {"FWEnqueNew", "VUVMoveMusicTo", "FWMoveMusicToFolder", "FWArrangement", "DefaultPreference",
                             "DefaultYear", "DefaultAutoVolume", "DefaultArtist", "DefaultAlbum", "FWFolderToWatch",
                             "FWSchedule", "FWRecurse", "FWScheduleEvery", "DefaultGenre00", "DefaultGenre01", "LastAccessedFolder"})
        vuv::DeleteValue(name);
}

// Bytes placed in the editor's own memory, for the messages whose
// parameters point into it.
void* InEditor(DWORD processId, const std::string& bytes)
{
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    void* at = VirtualAllocEx(process, nullptr, bytes.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (at)
        WriteProcessMemory(process, at, bytes.data(), bytes.size(), nullptr);
    CloseHandle(process);
    return at;
}

// A file-drop list as the shell hands it: DROPFILES, then the paths, each
// NUL-ended, and a final NUL.
std::string DropList(const std::vector<std::string>& paths)
{
    DROPFILES header{};
    header.pFiles = sizeof header;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : paths)
        bytes += path + '\0';
    return bytes + '\0';
}

class AddMusicWindowTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ClearIntakeSettings();
        // One track already, so that no add starts playback (no player here).
        UseCollection("Add Test.mcc", {"C:\\Music\\Old.mp3\tCorvina\tOld\tErotica\t1992\t1\tPop\t61000\t192\t44100\t2\t5"
                                       "\t0\t0\t500\t1"});
        ASSERT_TRUE(editor_.Start());
    }
    void TearDown() override
    {
        EXPECT_EQ(editor_.Close(), 0);
        ClearIntakeSettings();
        EditorTest::TearDown();
    }
    std::string Collection() const { return folder_.File("Add Test.mcc"); }
    std::string DemoMusic() const
    {
        const std::string demo = WindowsPathFromEnv("VUV_DEMO_COLLECTION");
        return demo.empty() ? demo : demo.substr(0, demo.rfind('\\') + 1) + "Music";
    }
    int Rows() { return int(SendMessageA(editor_.Control(kTrackList), LVM_GETITEMCOUNT, 0, 0)); }
    bool WaitForRows(int rows) { return WaitFor([&] { return Rows() == rows; }, 20000); }
    size_t SavedTracks() { return ReadBytes(Collection()).size() / 648; }
    // "Add Music" and the folder chosen in the shell's folder browser: the
    // selection is asked for until the tree's selected item (read through
    // the editor's memory) shows it, as it settles a moment after the
    // request; then "OK".
    void AddFolder(const std::string& folder)
    {
        PostMessageA(editor_.Window(), WM_COMMAND, kAddFolder, 0);
        HWND browser = WaitForProcessWindow(editor_.ProcessId(), "#32770", "Browse for Folder");
        ASSERT_NE(browser, nullptr);
        HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
        char* text = static_cast<char*>(InEditor(editor_.ProcessId(), std::string(260, '\0')));
        auto selected = [&] {
            TVITEMA item{};
            item.mask = TVIF_TEXT;
            item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
            item.pszText = text;
            item.cchTextMax = 260;
            const std::string bytes(reinterpret_cast<const char*>(&item), sizeof item);
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(InEditor(editor_.ProcessId(), bytes)));
            char local[260] = "";
            HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, editor_.ProcessId());
            ReadProcessMemory(process, text, local, sizeof local - 1, nullptr);
            CloseHandle(process);
            return std::string(local);
        };
        const std::string leaf = folder.substr(folder.rfind('\\') + 1);
        for (int tries = 0; tries < 50 && selected() != leaf; ++tries) {
            if (tries % 10 == 0)
                SendMessageA(browser, BFFM_SETSELECTIONA, TRUE,
                             reinterpret_cast<LPARAM>(InEditor(editor_.ProcessId(), folder + '\0')));
            Pause(100);
        }
        ASSERT_EQ(selected(), leaf);
        PostMessageA(GetDlgItem(browser, IDOK), BM_CLICK, 0, 0);
    }

    Editor editor_;
};

}  // namespace

TEST_F(AddMusicWindowTest, PickedDroppedPastedAndHandedOffFilesAreAdded)
{
    std::vector<std::string> files;
    for (int i = 0; i < 7; ++i) {
        files.push_back(folder_.File("Artist " + std::to_string(i) + " - Song.mp3"));
        ASSERT_TRUE(WriteBytes(files.back(), "not really music"));
    }
    // Two files dropped on the window.
    PostMessageA(editor_.Window(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(InEditor(editor_.ProcessId(), DropList({files[0], files[1]}))), 0);
    ASSERT_TRUE(WaitForRows(3));

    // Two from the clipboard's file list, with "Paste Shortcut".
    const std::string list = DropList({files[2], files[3]});
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, list.size());
    memcpy(GlobalLock(memory), list.data(), list.size());
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_HDROP, memory);
    CloseClipboard();
    PostMessageA(editor_.Window(), WM_COMMAND, kPaste, 0);
    ASSERT_TRUE(WaitForRows(5));

    // Two that a sibling program hands over: records in the hand-off file,
    // then its event, set twice as a burst.
    const std::string handOff = SuiteDir() + vuv::GetWindowsUserName() + ".AddToEditor";
    std::string records;
    for (int i : {4, 5})
        records += files[size_t(i)] + std::string(260 - files[size_t(i)].size(), '\0');
    ASSERT_TRUE(WriteBytes(handOff, records));
    vuv::NamedEvent fileToAdd((EditorLinkPrefix() + "evtTbFileToAdd").c_str());
    fileToAdd.Set();
    Pause(500);
    fileToAdd.Set();
    ASSERT_TRUE(WaitForRows(7));
    EXPECT_EQ(ReadBytes(handOff), "");
    DeleteFileA(handOff.c_str());

    // A playlist picked in "Add Individual Music Files" gives its music
    // files (a missing one too), not itself.
    ASSERT_TRUE(WriteBytes(folder_.File("list.m3u"), files[6] + "\r\nGone - Song.mp3\r\nnotes.txt\r\n"));
    PostMessageA(editor_.Window(), WM_COMMAND, kAddFiles, 0);
    ASSERT_TRUE(AnswerFileDialog(editor_.ProcessId(), "Select Music File(s)", folder_.File("list.m3u")));
    ASSERT_TRUE(WaitForRows(9));
    EXPECT_EQ(SavedTracks(), 9u);
    EXPECT_EQ(vuv::GetText("LastAccessedFolder"), folder_.Path());
}

TEST_F(AddMusicWindowTest, AddMusicTakesAFolderAndCancelKeepsWhatWasAdded)
{
    const std::string music = DemoMusic();
    ASSERT_FALSE(music.empty()) << "no demo library (tools/test.sh lays it out)";
    AddFolder(music);
    // 36 music files in sub-folders; the playlist beside them is no music.
    ASSERT_TRUE(WaitForRows(37));
    Pause(500);
    EXPECT_EQ(SavedTracks(), 37u);
    EXPECT_EQ(SendMessageA(editor_.Control(kTrackList), LVM_GETSELECTEDCOUNT, 0, 0), 36);

    // 4,000 files: long enough to meet the "Adding Tracks" window. They
    // lie in a folder the folder browser shows (the scratch folder is in a
    // hidden one), 100 in each sub-folder, which keeps making them quick.
    const std::string source = music + "\\Quiet Harbor\\Field Recordings\\01 - Morning Ferry.mp3";
    const std::string many = music.substr(0, music.rfind('\\')) + "\\Many Files";
    constexpr int kFiles = 4000;
    struct Remove {
        std::string folder;
        ~Remove() { RunUnixScript("rm -rf " + ShellQuoted(UnixPathOf(folder))); }
    } remove{many};
    CreateDirectoryA(many.c_str(), nullptr);
    for (int i = 0; i < kFiles; ++i) {
        const std::string folder = many + "\\" + std::to_string(i / 100);
        CreateDirectoryA(folder.c_str(), nullptr);
        ASSERT_TRUE(CreateHardLinkA((folder + "\\Artist " + std::to_string(i) + " - Song.mp3").c_str(), source.c_str(),
                                    nullptr));
    }
    AddFolder(many);
    HWND progress = WaitForProcessWindow(editor_.ProcessId(), "#32770", "Adding Tracks");
    ASSERT_NE(progress, nullptr);
    HWND detail = GetDlgItem(progress, kProgressDetail);
    for (int waited = 0; waited < 20000 && WindowText(detail).rfind("Track ", 0) != 0; waited += 20)
        Sleep(20);
    SaveScreenshot(progress, "adding-tracks.png");
    PostMessageA(GetDlgItem(progress, kProgressCancel), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntilGone(progress, 20000));
    Pause(500);
    const int rows = Rows();
    EXPECT_GT(rows, 37);
    EXPECT_LT(rows, 37 + kFiles);
    // What was added is saved and selected.
    EXPECT_EQ(SavedTracks(), size_t(rows));
    EXPECT_EQ(SendMessageA(editor_.Control(kTrackList), LVM_GETSELECTEDCOUNT, 0, 0), rows - 37);
}

TEST_F(AddMusicWindowTest, NewTrackPreferencesStoreTheDefaults)
{
    PostMessageA(editor_.Window(), WM_COMMAND, kPreferences, 0);
    HWND dialog = WaitForProcessWindow(editor_.ProcessId(), "#32770", "New Track Preferences");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1078)));  // the root folder, until the move is on
    // A click at the far right of the star strip: five stars.
    HWND stars = GetDlgItem(dialog, 1110);
    RECT strip{};
    GetClientRect(stars, &strip);
    PostMessageA(stars, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(strip.right - 1, 4));
    PostMessageA(stars, WM_LBUTTONUP, 0, MAKELPARAM(strip.right - 1, 4));
    // "Pop" checked in the genre list, a year typed, automatic volume on,
    // and the move switched on.
    HWND genres = GetDlgItem(dialog, 1056);
    PostMessageA(genres, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 6));
    PostMessageA(genres, WM_LBUTTONUP, 0, MAKELPARAM(20, 6));
    SendMessageA(GetDlgItem(dialog, 1054), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2001"));
    SendMessageA(GetDlgItem(dialog, 1058), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(dialog, 1074), BM_CLICK, 0, 0);
    Pause(300);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1078)));
    SaveScreenshot(dialog, "new-track-preferences.png");
    PostMessageA(GetDlgItem(dialog, 1052), BM_CLICK, 0, 0);
    WaitUntilGone(dialog, 20000);
    EXPECT_EQ(vuv::GetNumber("DefaultPreference"), 10u);
    EXPECT_EQ(vuv::GetNumber("DefaultYear"), 2001u);
    EXPECT_EQ(vuv::GetNumber("DefaultAutoVolume"), 1u);
    EXPECT_NE(vuv::GetNumber("DefaultGenre00"), 0u);
    EXPECT_EQ(vuv::GetNumber("VUVMoveMusicTo"), 1u);
    EXPECT_EQ(vuv::GetText("FWMoveMusicToFolder"), "C:\\TbMusic");
    EXPECT_EQ(vuv::GetText("FWArrangement"), "%A\\%A - %T");
}

TEST_F(AddMusicWindowTest, LookoutStoresItsScheduleAndRunsItNow)
{
    PostMessageA(editor_.Window(), WM_COMMAND, kLookout, 0);
    HWND dialog = WaitForProcessWindow(editor_.ProcessId(), "#32770", "New Track Lookout");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 1098)), "C:\\NewMusic");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 1081)), "30");
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 1077), BM_GETCHECK, 0, 0), BST_CHECKED);  // "Never"
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1081)));
    SendMessageA(GetDlgItem(dialog, 1076), BM_CLICK, 0, 0);  // "Every"
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1081)));
    SendMessageA(GetDlgItem(dialog, 1081), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("45"));
    SendMessageA(GetDlgItem(dialog, 1099), BM_CLICK, 0, 0);
    Pause(300);
    SaveScreenshot(dialog, "folder-lookout.png");

    vuv::NamedEvent trigger((EditorLinkPrefix() + "evtTbTriggerFolderWatch").c_str());
    trigger.Reset();
    PostMessageA(GetDlgItem(dialog, 1069), BM_CLICK, 0, 0);  // "Schedule Now": the dialog stays
    EXPECT_TRUE(WaitFor([&] { return trigger.IsSet(); }, 10000));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(vuv::GetNumber("FWSchedule"), 2u);
    EXPECT_EQ(vuv::GetText("FWScheduleEvery"), "45");
    EXPECT_EQ(vuv::GetNumber("FWRecurse"), 1u);

    PostMessageA(GetDlgItem(dialog, 1083), BM_CLICK, 0, 0);  // "&Ok"
    WaitUntilGone(dialog, 20000);
    EXPECT_EQ(vuv::GetText("FWFolderToWatch"), "C:\\NewMusic");
}
