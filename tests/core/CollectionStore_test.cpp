#include "core/CollectionStore.h"

#include "core/CollectionFile.h"
#include "core/FileTypeNames.h"
#include "platform/FileHandle.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "core/StoreFixture.h"

#include <functional>
#include <string>

using namespace vuv;
using namespace vuvtest;

namespace {

class CollectionStoreTest : public StoreTest {};

std::vector<TrackRecord> ThreeTracks()
{
    return {MakeTrack("Beta", "one", "Album", "C:\\m\\b1.mp3"),
            MakeTrack("Alpha", "two", "", "C:\\m\\a2.ogg"),
            MakeTrack("Beta", "three", "Album", "C:\\m\\b3.mp3")};
}

}  // namespace

TEST_F(CollectionStoreTest, LoadCleansRecordsAndFillsNameLists)
{
    std::vector<TrackRecord> tracks = {
        MakeTrack("Abba", "t1", "Gold", "C:\\Music\\\\a.mp3"),
        MakeTrack("abba", "t2", "", "\\\\server\\share\\b.xyz"),
        MakeTrack("", "t3", "Gold", "C:\\noext"),
        MakeTrack("Abba", "t4", "gold", "C:\\c.mp3"),
    };
    tracks[0].flags = kFlagMissing | kFlagHighlight2;
    tracks[1].flags = 0x80000001u;  // negative: dropped
    WriteCollection(tracks);
    // An incomplete record at the end is ignored.
    std::string bytes = ReadBytes(Collection()) + std::string(100, 'x');
    ASSERT_TRUE(WriteBytes(Collection(), bytes));

    EXPECT_TRUE(store().LoadCollection(Collection()));
    ASSERT_EQ(store().Count(), 4u);
    EXPECT_STREQ(store().Track(0).path, "C:\\Music\\a.mp3");
    EXPECT_STREQ(store().Track(1).path, "\\\\server\\share\\b.xyz");
    EXPECT_EQ(store().Track(0).flags, uint32_t(kFlagHighlight2));
    EXPECT_EQ(store().Track(1).flags, 0u);
    EXPECT_EQ(FileTypeText(store().Track(1).typeName), "XYZ File");
    EXPECT_EQ(FileTypeText(store().Track(2).typeName), "File");
    EXPECT_EQ(store().ArtistNames(), (std::vector<std::string>{"Abba", "abba"}));
    EXPECT_EQ(store().AlbumNames(), (std::vector<std::string>{"Gold", "", "gold"}));
    EXPECT_EQ(store().ActivePath(), Collection());
    // The name lists hold the names as loaded, whatever changes before they
    // are first asked for.
    store().LoadCollection(Collection());
    SetField(store().Track(0).artist, "Changed");
    store().RemoveTrack(1);
    EXPECT_EQ(store().ArtistNames(), (std::vector<std::string>{"Abba", "abba"}));

    ASSERT_TRUE(WriteBytes(Collection(), ""));
    EXPECT_TRUE(store().LoadCollection(Collection()));
    EXPECT_EQ(store().Count(), 0u);
    EXPECT_TRUE(store().ArtistNames().empty());
    // A missing file: an empty collection, and the path is active all the same.
    EXPECT_FALSE(store().LoadCollection(folder.File("absent.mcc")));
    EXPECT_EQ(store().Count(), 0u);
    EXPECT_EQ(store().ActivePath(), folder.File("absent.mcc"));
}

TEST_F(CollectionStoreTest, SaveWritesRecordsGenresAndRoundTrips)
{
    WriteCollection(ThreeTracks());
    WriteGenres({{7, "Rock"}, {3, "Jazz"}});
    store().LoadCollection(Collection());
    ASSERT_EQ(store().Genres().Size(), 2u);
    store().Track(0).genreIds[0] = 7;
    store().Track(0).genreIds[3] = 3;
    store().Track(1).genreIds[5] = 9;  // unknown
    store().Track(2).playCount = 12;

    ASSERT_TRUE(store().SaveCollection(Collection()));
    std::vector<TrackRecord> back;
    ASSERT_TRUE(ReadTrackFile(Collection(), back, false));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].genreIds[0], 3);
    EXPECT_EQ(back[0].genreIds[1], 7);
    EXPECT_EQ(back[0].genreIds[2], 0);
    EXPECT_EQ(back[1].genreIds[5], 0);
    EXPECT_EQ(back[2].playCount, 12u);
    EXPECT_EQ(ReadBytes(folder.File("music.mcg")).size(), 2 * sizeof(GenreRecord));
    EXPECT_TRUE(FolderEntries(folder.Path(), "~*").empty());  // no temporary file left

    // The save keeps the order; a reload gives the same records back.
    std::string saved = ReadBytes(Collection());
    store().LoadCollection(Collection());
    ASSERT_TRUE(store().SaveCollection(Collection()));
    EXPECT_EQ(ReadBytes(Collection()), saved);

    // To another file: the same bytes there, the active path unchanged.
    ASSERT_TRUE(store().SaveCollection(folder.File("copy.mcc")));
    EXPECT_EQ(ReadBytes(folder.File("copy.mcc")), saved);
    EXPECT_EQ(ReadBytes(folder.File("copy.mcg")), ReadBytes(folder.File("music.mcg")));
    EXPECT_EQ(store().ActivePath(), Collection());
    // Paths of 256 to 259 characters too (the temporary file's name fits).
    for (size_t length : {256u, 259u}) {
        const std::string path = folder.Path() + std::string(length - folder.Path().size() - 6, 'd') + "\\a.mcc";
        CreateFolderChain(FolderOf(path));
        EXPECT_TRUE(store().SaveCollection(path) && ReadBytes(path) == saved) << length;
    }

    // An empty collection is an empty file.
    store().ClearCollection();
    EXPECT_EQ(store().Genres().Size(), 2u);
    ASSERT_TRUE(store().SaveCollection(Collection()));
    EXPECT_EQ(ReadBytes(Collection()), "");
}

TEST_F(CollectionStoreTest, HoldersAndReadOnlyFilesNeverGetAHalfWrittenFile)
{
    WriteCollection(ThreeTracks());
    store().LoadCollection(Collection());
    const std::string saved = ReadBytes(Collection());
    store().RemoveTrack(0);
    {
        // The program's own readers let the file be moved (so that on
        // Windows a save replaces it under them; Wine refuses that).
        TrackFileReader own;
        ASSERT_TRUE(own.Open(Collection()));
        EXPECT_TRUE(MoveFileTo(Collection(), folder.File("m")) && MoveFileTo(folder.File("m"), Collection()));
        FileHandle other;  // another program's reader, without delete sharing
        other.Open(Collection(), FileAccess::Read, FileDisposition::OpenExisting, false, true);
        EXPECT_FALSE(store().SaveCollection(Collection()));  // after trying for a while
    }
    EXPECT_EQ(ReadBytes(Collection()), saved);
    ASSERT_TRUE(SetReadOnly(Collection(), true));
    EXPECT_FALSE(store().SaveCollection(Collection()));
    EXPECT_TRUE(ReadBytes(Collection()) == saved && IsReadOnly(Collection()));
    EXPECT_TRUE(FolderEntries(folder.Path(), "~*").empty());
}

TEST_F(CollectionStoreTest, TheFileChangedAfterTheLoadNeverChangesTheLoadedTracks)
{
    // Records over many pages: a view of the file would show the change.
    std::vector<TrackRecord> tracks;
    for (int i = 0; i < 64; ++i)
        tracks.push_back(MakeTrack("A", std::to_string(i).c_str(), "", ("C:\\m\\" + std::to_string(i)).c_str()));
    const std::string loaded = RecordBytes(tracks);
    const std::string other = folder.File("other.mcc");
    const std::function<void()> changes[] = {
        [&] {  // rewritten in place
            FileHandle f;
            f.Open(Collection(), FileAccess::Write, FileDisposition::OpenExisting, false, FileShare::ReadWriteDelete);
            ASSERT_TRUE(f.Write(std::string(loaded.size(), 'X').data(), uint32_t(loaded.size())));
        },
        [&] { ASSERT_TRUE(WriteBytes(Collection(), loaded.substr(0, 3 * sizeof(TrackRecord)))); },
        [&] { ASSERT_TRUE(DeleteFileAt(Collection())); },
        [&] {
            ASSERT_TRUE(WriteBytes(other, std::string(sizeof(TrackRecord), 'Y')));
            ASSERT_EQ(ReplaceFileWith(other, Collection()), ReplaceResult::Replaced);
        },
    };
    for (const auto& change : changes) {
        ASSERT_TRUE(WriteBytes(Collection(), loaded));
        ASSERT_TRUE(store().LoadCollection(Collection()));
        change();
        EXPECT_STREQ(static_cast<const CollectionStore&>(store()).Track(63).title, "63");
        ASSERT_TRUE(store().SaveCollection(Collection()));
        EXPECT_EQ(ReadBytes(Collection()), loaded);
    }
}

TEST_F(CollectionStoreTest, AFileThatWasNotReadIsNeverSavedOver)
{
    WriteCollection(ThreeTracks());
    const std::string before = ReadBytes(Collection());
    FileHandle other;  // another program, without read sharing
    other.Open(Collection(), FileAccess::Read, FileDisposition::OpenExisting, false, false);
    EXPECT_FALSE(store().LoadCollection(Collection()));
    other.Close();
    store().AppendTrack(MakeTrack("New", "t", "", "C:\\n.mp3"));
    EXPECT_FALSE(store().SaveCollection(Collection()));
    EXPECT_EQ(ReadBytes(Collection()), before);
    EXPECT_TRUE(store().LoadCollection(Collection()) && store().SaveCollection(Collection()));

    // More records than the store holds (a sparse file): refused unread.
    const std::string big = folder.File("big.mcc");
    other.Open(big, FileAccess::Write, FileDisposition::CreateAlways, false);
    other.Truncate(1000001ull * sizeof(TrackRecord));
    other.Close();
    EXPECT_TRUE(!store().LoadCollection(big) && store().Count() == 0);
    EXPECT_FALSE(store().SaveCollection(big));
    EXPECT_EQ(FileSize(big), 1000001ull * sizeof(TrackRecord));
}

TEST_F(CollectionStoreTest, AppendRemoveFindAndClear)
{
    store().AppendTrack(MakeTrack("X", "a", "Al", "C:\\Music\\One.MP3"));
    TrackRecord missing = MakeTrack("Y", "b", "", "C:\\Music\\two.flac");
    missing.flags = kFlagMissing | kFlagNew;
    TrackRecord& added = store().AppendTrack(missing);
    EXPECT_EQ(added.flags, uint32_t(kFlagNew));
    EXPECT_EQ(FileTypeText(added.typeName), "FLAC File");
    store().AppendTrack(MakeTrack("X", "c", "Al", "C:\\Music\\one.mp3"));

    EXPECT_EQ(store().FindTrackByPath("c:\\music\\ONE.mp3"), 0);
    EXPECT_EQ(store().FindTrackByPath("C:\\Music\\two.flac"), 1);
    EXPECT_EQ(store().FindTrackByPath("C:\\Music\\three.mp3"), -1);

    store().RemoveTrack(0);
    EXPECT_EQ(store().Count(), 2u);
    EXPECT_EQ(store().FindTrackByPath("c:\\music\\ONE.mp3"), 1);
    EXPECT_STREQ(store().Track(0).title, "b");
    EXPECT_EQ(store().ArtistNames(), (std::vector<std::string>{"X", "Y"}));

    // A freed record is reused without disturbing the others.
    store().AppendTrack(MakeTrack("Z", "d", "", "C:\\d.mp3"));
    EXPECT_STREQ(store().Track(0).title, "b");
    EXPECT_STREQ(store().Track(2).title, "d");
    // Many at once, in any order; repeats and indexes past the end count nothing.
    store().AppendTrack(MakeTrack("W", "e", "", "C:\\e.mp3"));
    EXPECT_EQ(store().RemoveTracks({3, 0, 3, 9}), 2u);
    ASSERT_EQ(store().Count(), 2u);
    EXPECT_STREQ(store().Track(0).title, "c");
    EXPECT_STREQ(store().Track(1).title, "d");

    store().ClearCollection();
    EXPECT_EQ(store().Count(), 0u);
    EXPECT_TRUE(store().ArtistNames().empty());
    EXPECT_TRUE(store().AlbumNames().empty());
}

TEST_F(CollectionStoreTest, NextStartOpensTheRememberedCollectionOrTheDefault)
{
    EXPECT_EQ(StartCollectionPath(), Collection());
    RememberActiveCollection(folder.File("third.mcc"));
    EXPECT_EQ(GetText(kActiveCollectionSetting), folder.File("third.mcc"));
    EXPECT_EQ(StartCollectionPath(), folder.File("third.mcc"));
    DeleteValue(kActiveCollectionSetting);
    EXPECT_EQ(StartCollectionPath(), folder.Path() + GetWindowsUserName() + ".mcc");
}
