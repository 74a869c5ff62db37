#include "plugins/TrackEdit.h"

#include "core/StoreFixture.h"
#include "platform/Paths.h"
#include "plugins/PluginTestFolder.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using vuv::GenreState;
using vuvtest::MakeTrack;

constexpr uint16_t kJazz = 3, kRock = 7, kPop = 9;

class TrackEditTest : public vuvtest::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        plugins.Install("TextTags");
    }
    void Load(const std::vector<vuv::TrackRecord>& tracks)
    {
        WriteCollection(tracks);
        const vuv::GenreRecord genres[] = {{kJazz, "Jazz"}, {kRock, "rock"}, {kPop, "Pop"}};
        ASSERT_TRUE(vuvtest::WriteBytes(folder.File("music.mcg"),
                                        std::string(reinterpret_cast<const char*>(genres), sizeof genres)));
        store().LoadCollection();
        ASSERT_EQ(store().Count(), tracks.size());
    }
    vuv::TrackRecord Track(const char* artist, const std::string& file)
    {
        vuv::TrackRecord t = MakeTrack(artist, "Title", "Album", music.File(file).c_str());
        t.flags = vuv::kFlagNew;
        return t;
    }
    GenreState StateOf(const std::vector<vuv::GenreChoice>& choices, uint16_t id)
    {
        for (const vuv::GenreChoice& c : choices)
            if (c.id == id)
                return c.state;
        ADD_FAILURE() << "no genre " << id;
        return GenreState::Excluded;
    }

    vuvtest::PluginTestFolder plugins;
    vuvtest::ScratchFolder music;
};

TEST_F(TrackEditTest, SummaryKeepsWhatTheTracksShare)
{
    vuv::TrackRecord a = Track("A", "a.ttag"), b = Track("B", "b.ttag");
    a.preference = 3;
    b.preference = 5;
    a.volumeBoost = b.volumeBoost = 600;
    a.year = 1999;
    b.year = 2001;
    a.trackNumber = b.trackNumber = 4;
    a.genreIds[0] = kRock;
    a.genreIds[1] = kJazz;
    b.genreIds[0] = kRock;
    b.genreIds[5] = kRock;  // twice in one track still counts once
    Load({a, b});

    const vuv::TrackSelectionSummary both = vuv::SummariseTracks(store(), {1, 0, 9});
    EXPECT_EQ(both.artist, "");
    EXPECT_EQ(both.album, "Album");
    EXPECT_EQ(both.title, "");  // only one track shows its title
    EXPECT_EQ(both.year, 0);
    EXPECT_EQ(both.trackNumber, 4);
    EXPECT_EQ(both.preference, -1);
    EXPECT_EQ(both.volumeBoost, 600);
    EXPECT_EQ(StateOf(both.genres, kRock), GenreState::Included);
    EXPECT_EQ(StateOf(both.genres, kJazz), GenreState::Mixed);
    EXPECT_EQ(StateOf(both.genres, kPop), GenreState::Excluded);

    const vuv::TrackSelectionSummary one = vuv::SummariseTracks(store(), {1});
    EXPECT_EQ(one.artist, "B");
    EXPECT_EQ(one.title, "Title");
    EXPECT_EQ(one.preference, 5);
    EXPECT_EQ(StateOf(one.genres, kJazz), GenreState::Excluded);

    // The dialog's sorted list ignores case.
    std::vector<vuv::GenreChoice> sorted = both.genres;
    vuv::SortGenreChoicesByName(store().Genres(), sorted);
    ASSERT_EQ(sorted.size(), 3u);
    EXPECT_EQ(sorted[0].id, kJazz);
    EXPECT_EQ(sorted[1].id, kPop);
    EXPECT_EQ(sorted[2].id, kRock);
}

TEST_F(TrackEditTest, OkChangesOnlyTheFieldsThatWereFilled)
{
    vuv::TrackRecord a = Track("A", "a.ttag"), b = Track("B", "b.ttag");
    a.preference = 3;
    b.preference = 5;
    a.genreIds[0] = kJazz;
    b.genreIds[0] = kRock;
    a.year = 1999;
    Load({a, b});

    // As the dialog opens on both: empty Artist, Jazz and rock mixed. The
    // preference strip is not touched; Pop is clicked to included.
    vuv::TrackEdit edit;
    edit.album = std::string(120, 'x');
    edit.trackNumber = "300";  // low 8 bits: 44; the tag takes the text
    edit.genres = {{kJazz, GenreState::Mixed}, {kPop, GenreState::Included}, {kRock, GenreState::Mixed}};
    const vuv::TrackEditResult result = vuv::ApplyTrackEdit(store(), {0, 1}, edit);
    EXPECT_EQ(result.tracks, 2u);
    EXPECT_EQ(result.edited, 2u);
    EXPECT_TRUE(result.unwritten.empty());

    const std::string album(99, 'x');
    const vuv::TrackRecord& first = store().Track(0);
    EXPECT_STREQ(first.artist, "A");
    EXPECT_EQ(first.preference, 3);
    EXPECT_EQ(first.year, 1999);
    EXPECT_EQ(first.album, album);
    EXPECT_EQ(first.trackNumber, 44);
    EXPECT_EQ(first.flags & vuv::kFlagNew, 0u);
    EXPECT_EQ(first.genreIds[0], kJazz);
    EXPECT_EQ(first.genreIds[1], kPop);
    EXPECT_EQ(first.genreIds[2], 0);
    EXPECT_STREQ(store().Track(1).artist, "B");
    EXPECT_EQ(store().Track(1).preference, 5);
    EXPECT_EQ(store().Track(1).genreIds[0], kPop);
    EXPECT_EQ(store().Track(1).genreIds[1], kRock);
    // The tag gets the filled fields and the genre of the first slot.
    EXPECT_EQ(vuvtest::ReadBytes(music.File("a.ttag")), "ALBUM=" + album + "\nGENRE=Jazz\nTRACK=300\n");
    EXPECT_EQ(vuvtest::ReadBytes(music.File("b.ttag")), "ALBUM=" + album + "\nGENRE=Pop\nTRACK=300\n");
    EXPECT_EQ(store().AlbumNames().back(), album);

    // Then everything at once, on one track: a new artist joins the names,
    // an excluded genre leaves, Windows-1252 letters travel as bytes.
    edit = vuv::TrackEdit();
    edit.artist = "Bj\xF6rk \x80";
    edit.title = "T";
    edit.year = "2004";
    edit.comment = "c";
    edit.preference = 9;
    edit.volumeBoost = 4000;
    edit.genres = {{kJazz, GenreState::Excluded}, {kRock, GenreState::Included}};
    vuv::ApplyTrackEdit(store(), {1}, edit);
    const vuv::TrackRecord& second = store().Track(1);
    EXPECT_STREQ(second.artist, "Bj\xF6rk \x80");
    EXPECT_EQ(second.year, 2004);
    EXPECT_EQ(second.preference, 9);
    EXPECT_EQ(second.volumeBoost, 4000);
    EXPECT_EQ(second.genreIds[0], kRock);
    EXPECT_EQ(second.genreIds[1], 0);
    EXPECT_EQ(store().ArtistNames().back(), "Bj\xF6rk \x80");
    EXPECT_EQ(vuvtest::ReadBytes(music.File("b.ttag")),
              "ALBUM=" + album + "\nGENRE=Pop\nTRACK=300\nARTIST=Bj\xF6rk \x80\nTITLE=T\nYEAR=2004\nGENRE=rock\n"
              "COMMENT=c\n");
}

TEST_F(TrackEditTest, AFileThatRefusesKeepsItsValuesAndTheOthersAreEdited)
{
    vuv::TrackRecord locked = Track("Old", "locked.ttag");
    locked.genreIds[0] = kJazz;
    Load({Track("Old", "a.ttag"), locked, Track("Old", "no plugin.none")});
    ASSERT_TRUE(vuvtest::WriteBytes(music.File("locked.ttag"), "artist=Old\n"));
    // In use by another program, which shares it with nobody.
    HANDLE lock = CreateFileA(music.File("locked.ttag").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    vuv::TrackEdit edit;
    edit.artist = "New";
    edit.preference = 7;
    edit.genres = {{kJazz, GenreState::Excluded}, {kRock, GenreState::Included}};
    std::vector<size_t> told;
    const vuv::TrackEditResult result =
        vuv::ApplyTrackEdit(store(), {0, 1, 2}, edit, [&told](size_t done, size_t total) {
            EXPECT_EQ(total, 3u);
            told.push_back(done);
            return true;
        });
    CloseHandle(lock);
    EXPECT_EQ(told, (std::vector<size_t>{1, 2, 3}));
    EXPECT_EQ(result.edited, 2u);
    ASSERT_EQ(result.unwritten.size(), 1u);
    EXPECT_EQ(vuv::UnwrittenTagLines(result.unwritten)[0],
              "'" + music.File("locked.ttag") + "': the input plug-in did not write it");

    EXPECT_STREQ(store().Track(0).artist, "New");
    EXPECT_EQ(store().Track(0).genreIds[0], kRock);
    // The refusing file is as it was, and so are its tag fields in the
    // collection; what only the collection holds changed all the same.
    EXPECT_EQ(vuvtest::ReadBytes(music.File("locked.ttag")), "artist=Old\n");
    EXPECT_STREQ(store().Track(1).artist, "Old");
    EXPECT_EQ(store().Track(1).genreIds[0], kJazz);
    EXPECT_EQ(store().Track(1).preference, 7);
    EXPECT_EQ(store().Track(1).flags & vuv::kFlagNew, 0u);
    // No plug-in writes the file's tags: the record alone changes.
    EXPECT_STREQ(store().Track(2).artist, "New");
    EXPECT_FALSE(vuv::Exists(music.File("no plugin.none")));

    // Stop after the first track: the second stays as it was.
    edit.artist = "Newer";
    const vuv::TrackEditResult stopped =
        vuv::ApplyTrackEdit(store(), {0, 2}, edit, [](size_t, size_t) { return false; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.tracks, 1u);
    EXPECT_STREQ(store().Track(0).artist, "Newer");
    EXPECT_STREQ(store().Track(2).artist, "New");
}

}  // namespace
