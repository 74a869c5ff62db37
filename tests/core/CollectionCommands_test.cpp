#include "core/CollectionCommands.h"

#include "core/CollectionFile.h"
#include "core/StoreFixture.h"
#include "platform/Paths.h"

using namespace vuv;
using namespace vuvtest;

namespace {

using CollectionCommandsTest = StoreTest;

}  // namespace

TEST_F(CollectionCommandsTest, CombineAddsNewPathsWithTranslatedGenres)
{
    TrackRecord own = MakeTrack("Own", "o", "", "C:\\m\\own.mp3");
    own.genreIds[0] = 10;
    WriteCollection({own});
    WriteGenres({GenreRecord{10, "Rock"}});
    store().LoadCollection(Collection());

    TrackRecord dup = MakeTrack("Dup", "d", "", "c:\\M\\OWN.mp3");
    TrackRecord a = MakeTrack("New", "a", "", "C:\\m\\a.mp3");
    a.genreIds[1] = 5;   // rock -> Rock (10)
    a.genreIds[2] = 6;   // Jazz -> new id
    a.genreIds[3] = 77;  // not in the other list -> 0
    a.flags = kFlagMissing;
    TrackRecord again = MakeTrack("New", "a again", "", "C:\\M\\A.MP3");
    TrackRecord b = MakeTrack("New", "b", "", "C:\\m\\b.mp3");
    const std::string other = folder.File("sub\\other.mcc");
    CreateFolderChain(folder.File("sub"));
    ASSERT_TRUE(WriteBytes(other, RecordBytes({dup, a, again, b})));
    WriteGenres({GenreRecord{5, "rock"}, GenreRecord{6, "Jazz"}}, folder.File("sub\\other.mcg"));

    CombineResult r = CombineCollection(store(), other);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.firstAdded, 1u);
    EXPECT_EQ(r.added, 2u);
    ASSERT_EQ(store().Count(), 3u);
    EXPECT_STREQ(store().Track(1).title, "a");
    EXPECT_STREQ(store().Track(2).title, "b");
    const TrackRecord& combined = store().Track(1);
    EXPECT_EQ(combined.genreIds[0], 0);
    EXPECT_EQ(combined.genreIds[1], 10);
    const uint16_t jazz = store().Genres().IdFor("jazz", false);
    EXPECT_NE(jazz, 0);
    EXPECT_EQ(combined.genreIds[2], jazz);
    EXPECT_EQ(combined.genreIds[3], 0);
    EXPECT_EQ(combined.flags, 0u);
    EXPECT_EQ(store().Genres().Size(), 2u);  // Rock reused, Jazz created
    EXPECT_EQ(ReadBytes(Collection()).size(), sizeof(TrackRecord));  // nothing written

    // Itself: nothing new. An unreadable file: nothing at all.
    EXPECT_EQ(CombineCollection(store(), other).added, 0u);
    EXPECT_FALSE(CombineCollection(store(), folder.File("absent.mcc")).opened);
    EXPECT_EQ(store().Count(), 3u);

    // Undo Any Editing (a load of the active file) drops the combined tracks.
    store().LoadCollection(store().ActivePath());
    EXPECT_EQ(store().Count(), 1u);
}

TEST_F(CollectionCommandsTest, NewAsksBeforeOverwritingAndSavesFirst)
{
    WriteCollection({MakeTrack("A", "1", "", "C:\\1.mp3")});
    store().LoadCollection(Collection());
    store().AppendTrack(MakeTrack("B", "2", "", "C:\\2.mp3"));
    const std::string existing = folder.File("old.mcc");
    ASSERT_TRUE(WriteBytes(existing, RecordBytes({MakeTrack("O", "o", "", "C:\\o.mp3")})));

    answerYes = false;
    EXPECT_FALSE(NewCollection(host, existing));
    EXPECT_EQ(messages, std::vector<std::string>{"Tonbrook: Overwrite Existing Music Collection?"});
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(store().Count(), 2u);
    EXPECT_EQ(ReadBytes(existing).size(), sizeof(TrackRecord));
    EXPECT_EQ(GetText(kActiveCollectionSetting), Collection());

    answerYes = true;
    EXPECT_TRUE(NewCollection(host, existing));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"save sorted " + Collection(), "load " + existing}));
    EXPECT_EQ(store().Count(), 0u);
    EXPECT_EQ(store().ActivePath(), existing);
    EXPECT_EQ(ReadBytes(existing).size(), 0u);
    EXPECT_EQ(GetText(kActiveCollectionSetting), existing);
    EXPECT_EQ(ReadBytes(Collection()).size(), 2 * sizeof(TrackRecord));  // saved first

    // No extension: ".mcc" added; a new file is not asked about.
    messages.clear();
    EXPECT_TRUE(NewCollection(host, folder.File("fresh")));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(GetText(kActiveCollectionSetting), folder.File("fresh.mcc"));
    EXPECT_EQ(CollectionPathWithExtension("C:\\a.b\\c"), "C:\\a.b\\c.mcc");
    EXPECT_EQ(CollectionPathWithExtension("C:\\x.dat"), "C:\\x.dat");
}

TEST_F(CollectionCommandsTest, SaveAsLoadAndClearAllTracks)
{
    WriteCollection({MakeTrack("B", "2", "", "C:\\2.mp3"), MakeTrack("A", "1", "", "C:\\1.mp3")});
    store().LoadCollection(Collection());

    EXPECT_TRUE(SaveCollectionAs(host, folder.File("copy")));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"save sorted " + Collection(),
                                                    "save sorted " + folder.File("copy.mcc"),
                                                    "load " + folder.File("copy.mcc")}));
    EXPECT_EQ(GetText(kActiveCollectionSetting), folder.File("copy.mcc"));
    std::vector<TrackRecord> copy;
    ASSERT_TRUE(ReadTrackFile(folder.File("copy.mcc"), copy, false));
    ASSERT_EQ(copy.size(), 2u);
    EXPECT_STREQ(copy[0].artist, "A");  // saved sorted
    EXPECT_EQ(ReadBytes(Collection()), ReadBytes(folder.File("copy.mcc")));

    host.calls.clear();
    LoadCollectionFromFile(host, Collection());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"save sorted " + folder.File("copy.mcc"),
                                                    "load " + Collection()}));
    EXPECT_EQ(GetText(kActiveCollectionSetting), Collection());
    EXPECT_EQ(store().ActivePath(), Collection());
    EXPECT_EQ(store().Count(), 2u);

    answerYes = false;
    EXPECT_FALSE(ClearAllTracks(store()));
    EXPECT_EQ(store().Count(), 2u);
    answerYes = true;
    EXPECT_TRUE(ClearAllTracks(store()));
    EXPECT_EQ(store().Count(), 0u);
    EXPECT_EQ(ReadBytes(Collection()).size(), 2 * sizeof(TrackRecord));  // untouched
    store().LoadCollection(store().ActivePath());  // Undo Any Editing
    EXPECT_EQ(store().Count(), 2u);
    ClearAllTracks(store());
    host.Save(store().ActivePath(), true);  // as the window's close does
    EXPECT_EQ(ReadBytes(Collection()), "");
}
