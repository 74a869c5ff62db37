// vuvtool's export and preset commands, run from outside as scripts do:
// the listing with the first-use inputs or a preset's, to a file or (for
// 100,000 tracks) to the clipboard, an unwritable target, and the preset
// check's answers.
#include "core/CollectionFile.h"
#include "e2e/EditorDriver.h"
#include "export/ExportPreset.h"
#include "platform/Paths.h"
#include "player/PlayerTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace vuvtest;

namespace {

class ExportCommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tool_.copied);
        ClearEditorSettings();
        vuv::TrackRecord a = Track("C:\\m\\a.mp3", "A&B <x>", "Song\xE9", 9);
        vuv::SetField(a.album, "One");
        a.year = 1999, a.trackNumber = 3, a.lengthMs = 61000, a.fileSize = 2048;
        const std::vector<vuv::TrackRecord> tracks{Track("C:\\m\\b.mp3", "Zed", "Two"), a};
        ASSERT_TRUE(vuv::WriteTrackFile(Collection(), tracks.data(), tracks.size(), false));
    }
    void TearDown() override { ClearEditorSettings(); }
    std::string Collection() const { return tool_.folder.File("Export Test.mcc"); }
    ToolResult Run(const std::string& arguments) { return tool_.Run("--collection \"" + Collection() + "\" " + arguments); }
    std::string File(const std::string& name) const { return tool_.folder.File(name); }

    ToolRunner tool_;
};

}  // namespace

TEST_F(ExportCommandsTest, ToAFileOrTheClipboardWithTheStoredInputsOrAPresets)
{
    // The first-use inputs: the top text, the artist and album headings.
    ToolResult r = Run("export --out \"" + File("list.txt") + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "exported 2 tracks\n");
    EXPECT_EQ(ReadBytes(File("list.txt")), "Export Tests Music Collection\r\n\r\n"
                                            "Containing 2 tracks (2.00 KB)\r\nTotal Length: 1 minutes 1 seconds\r\n\r\n"
                                            "\r\nA&B <x>\r\n\tOne\r\n\t\t 3\tSong\xE9\r\n"
                                            "\r\nZed\r\n\t\t\tTwo\r\n");
    vuv::ExportInputs in;
    in.layout = "[title]";
    in.artistHeadings = in.albumHeadings = false;
    ASSERT_TRUE(vuv::WriteExportPreset(File("p.dxp"), in));
    r = Run("export --preset \"" + File("p.dxp") + "\" --html --out \"" + File("list.html") + "\"");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(File("list.html")), "Two<br>\r\nSong\xE9<br>\r\n");
    // Targets that cannot be written (a missing folder, a read-only file, a
    // folder): no count, exit 2, nothing half-written beside them, the old
    // listing as it was.
    SetFileAttributesA(File("list.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryA(File("a folder").c_str(), nullptr);
    for (const char* target : {"missing\\list.txt", "list.txt", "a folder"}) {
        r = Run("export --out \"" + File(target) + "\"");
        EXPECT_EQ(r.exitCode, 2) << target;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(vuv::FolderEntries(File(""), "~*").empty()) << target;  // no temporary file
    }
    EXPECT_EQ(ReadBytes(File("list.txt")).substr(0, 6), "Export");
    SetFileAttributesA(File("list.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Run("export --clipboard --out \"" + File("x.txt") + "\"").exitCode, 1);

    // 100,000 tracks: on the clipboard as in the file.
    ASSERT_EQ(tool_.Run("large-collection 100000 \"" + Collection() + "\"").exitCode, 0);
    ASSERT_EQ(Run("export --out \"" + File("big.txt") + "\"").exitCode, 0);
    r = Run("export --clipboard");
    EXPECT_EQ(r.out, "exported 100000 tracks\n");
    std::string clipboard;
    ASSERT_TRUE(OpenClipboard(nullptr));
    if (HANDLE memory = GetClipboardData(CF_TEXT)) {
        clipboard = static_cast<const char*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    EXPECT_GT(clipboard.size(), 1000000u);
    EXPECT_TRUE(clipboard == ReadBytes(File("big.txt")));
}

TEST_F(ExportCommandsTest, PresetsAreCheckedAsLoadPresetReadsThem)
{
    ASSERT_TRUE(vuv::WriteExportPreset(File("good.dxp"), vuv::ExportInputs()));
    ToolResult r = Run("preset check \"" + File("good.dxp") + "\"");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "ok\n");
    ASSERT_TRUE(WriteBytes(File("huge.dxp"), std::string("\xff\xff\xff\x7f", 4) + ReadBytes(File("good.dxp")).substr(4)));
    r = Run("preset check \"" + File("huge.dxp") + "\"");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "The preset 'huge.dxp' was not loaded: its layout claims 2147483647 bytes, more than the 1000 it "
                     "may hold.\n");
    // Nothing of a refused preset is exported.
    EXPECT_EQ(Run("export --preset \"" + File("huge.dxp") + "\" --out \"" + File("x.txt") + "\"").exitCode, 2);
    EXPECT_EQ(GetFileAttributesA(File("x.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Run("preset check \"" + File("none.dxp") + "\"").out, "The preset 'none.dxp' could not be opened.\n");
    EXPECT_EQ(Run("preset check").exitCode, 1);
}
