#include "plugins/TagCommands.h"

#include "core/StoreFixture.h"
#include "platform/Paths.h"
#include "plugins/PluginTestFolder.h"
#include "support/TestSupport.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using vuvtest::MakeTrack;
using vuvtest::PluginTestFolder;
using vuvtest::ScratchFolder;

class TagCommandsTest : public vuvtest::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        plugins.Install("TextTags");
    }
    // Loads these tracks (and, when given, these genres) as the active
    // collection.
    void LoadTracks(const std::vector<vuv::TrackRecord>& tracks, const std::vector<vuv::GenreRecord>& genres = {})
    {
        WriteCollection(tracks);
        if (!genres.empty())
            WriteGenres(genres);
        store().LoadCollection(Collection());
        ASSERT_EQ(store().Count(), tracks.size());
    }
    bool Unchanged(size_t index, const vuv::TrackRecord& before)
    {
        return memcmp(&store().Track(index), &before, sizeof before) == 0;
    }

    PluginTestFolder plugins;
    ScratchFolder music;
};

// A field as a fresh record has it: the text, then zeros.
template <size_t N>
void SetWhole(char (&field)[N], const char* text)
{
    memset(field, 0, N);
    vuv::SetField(field, text);
}

TEST_F(TagCommandsTest, RefreshReplacesTheTagFieldsOfTheSelectedTracksOnly)
{
    const std::string tagged = music.File("tagged.ttag");
    ASSERT_TRUE(vuvtest::WriteBytes(tagged,
                                    "artist=New Artist\ntitle=New Title\nalbum=New Album\n"
                                    "yearAndTrack=0x0507CF\nkbps=192\nrate=48000\nchannels=1\n"
                                    "length=1234\nsize=5678\npreference=2\ngenre=Ignored\n"));
    const std::string plainPath = music.File("Plainname.none");
    std::vector<vuv::TrackRecord> tracks;
    for (const std::string& path : {tagged, tagged, plainPath}) {
        vuv::TrackRecord t = MakeTrack("Old Artist", "Old Title", "Old Album", path.c_str());
        t.year = 1980;
        t.preference = 7;
        t.volumeBoost = 600;
        t.flags = vuv::kFlagHighlight2;
        t.playCount = 3;
        t.dateAdded = 42;
        tracks.push_back(t);
    }
    LoadTracks(tracks);
    const std::vector<vuv::TrackRecord> before = {store().Track(0), store().Track(1), store().Track(2)};

    answerYes = false;
    EXPECT_FALSE(vuv::RefreshFromIdTag(store(), {0, 2}, true));
    EXPECT_EQ(messages, (std::vector<std::string>{"Tonbrook: Replace Music Collection Tag information from ID Tag?"}));
    EXPECT_TRUE(Unchanged(0, before[0]) && Unchanged(2, before[2]));

    answerYes = true;
    EXPECT_TRUE(vuv::RefreshFromIdTag(store(), {2, 0, 17, 0}, true));
    EXPECT_EQ(messages.size(), 2u);

    vuv::TrackRecord expected = before[0];
    SetWhole(expected.artist, "New Artist");
    SetWhole(expected.title, "New Title");
    SetWhole(expected.album, "New Album");
    expected.year = 1999;
    expected.trackNumber = 5;
    expected.kbps = 192;
    expected.sampleRate = 48000;
    expected.channels = 1;
    expected.lengthMs = 1234;
    expected.fileSize = 5678;
    EXPECT_TRUE(Unchanged(0, expected));
    EXPECT_TRUE(Unchanged(1, before[1]));  // not selected

    // No plug-in and no '-': the artist empties, the title is the name.
    vuv::TrackRecord plain = before[2];
    SetWhole(plain.artist, "");
    SetWhole(plain.title, "Plainname");
    SetWhole(plain.album, "");
    plain.year = 0;
    EXPECT_TRUE(Unchanged(2, plain)) << store().Track(2).artist << "|" << store().Track(2).title;

    // Without the question (vuvtool) nothing is asked.
    EXPECT_TRUE(vuv::RefreshFromIdTag(store(), {1}, false));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_STREQ(store().Track(1).artist, "New Artist");
}

TEST_F(TagCommandsTest, RewriteWritesTheCollectionsFieldsInOrder)
{
    std::vector<vuv::TrackRecord> tracks = {
        MakeTrack("Corvina", "Rain", "Clouds", music.File("full.ttag").c_str()),
        MakeTrack("", "Only", "", music.File("bare.ttag").c_str()),
        MakeTrack("", "", "", music.File("unknown-genre.ttag").c_str()),
        MakeTrack("X", "Y", "Z", music.File("no plugin.none").c_str()),
        MakeTrack("Second", "", "", music.File("full.ttag").c_str())};
    tracks[0].year = 1999;
    tracks[0].trackNumber = 3;
    tracks[0].genreIds[0] = 5;
    tracks[1].genreIds[1] = 5;  // slot 0 empty: no genre
    tracks[2].genreIds[0] = 77; // not in the list
    tracks[4].year = -3;
    LoadTracks(tracks, {{5, "Trip Hop"}});
    // Loading normalises genre slots; put the test's layout back.
    store().Track(1).genreIds[0] = 0;
    store().Track(1).genreIds[1] = 5;
    store().Track(2).genreIds[0] = 77;

    answerYes = false;
    EXPECT_FALSE(vuv::RewriteIdTag(store(), {0}, true));
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Tonbrook: Information: Rewriting ID Tag will overwrite the ID Tag held "
                            "in selected files with that stored in Vo Varar Odududaroz, Proceed?"}));
    EXPECT_FALSE(vuv::Exists(music.File("full.ttag")));

    answerYes = true;
    EXPECT_TRUE(vuv::RewriteIdTag(store(), {4, 3, 2, 1, 0}, true));
    // Tracks 0 and 4 share a file: collection order shows in it.
    EXPECT_EQ(vuvtest::ReadBytes(music.File("full.ttag")),
              "ARTIST=Corvina\nTITLE=Rain\nALBUM=Clouds\nYEAR=1999\nGENRE=Trip Hop\nTRACK=3\n"
              "ARTIST=Second\nTITLE=\nALBUM=\nYEAR=-3\n");
    EXPECT_EQ(vuvtest::ReadBytes(music.File("bare.ttag")), "ARTIST=\nTITLE=Only\nALBUM=\n");
    EXPECT_EQ(vuvtest::ReadBytes(music.File("unknown-genre.ttag")), "ARTIST=\nTITLE=\nALBUM=\n");
    EXPECT_FALSE(vuv::Exists(music.File("no plugin.none")));
}

TEST_F(TagCommandsTest, RewriteWritesNoGenreBeforeAGenreListIsLoaded)
{
    vuv::CollectionStore fresh;  // never loaded: no genre list
    vuv::TrackRecord track = MakeTrack("Corvina", "Rain", "", music.File("song.ttag").c_str());
    track.genreIds[0] = 5;
    fresh.AppendTrack(track);
    fresh.Genres().Append(vuv::GenreRecord{5, "Trip Hop"});
    EXPECT_TRUE(vuv::RewriteIdTag(fresh, {0}, false));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(vuvtest::ReadBytes(music.File("song.ttag")), "ARTIST=Corvina\nTITLE=Rain\nALBUM=\n");
}

}  // namespace
