#include "plugins/TagCommands.h"

#include "platform/Paths.h"
#include "platform/UserMessages.h"
#include "plugins/PluginTestFolder.h"
#include "support/MessageRecorder.h"
#include "support/TestSupport.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using vuvtest::PluginTestFolder;
using vuvtest::ScratchFolder;

using vuvtest::MessageRecorder;

// The one question asked, as "title|text", checked to be a Yes/No question.
std::string OnlyQuestion(const MessageRecorder& recorder)
{
    if (recorder.messages.size() != 1)
        return "asked " + std::to_string(recorder.messages.size()) + " times";
    const vuvtest::RecordedMessage& m = recorder.messages[0];
    EXPECT_EQ(m.buttons, vuv::MessageButtons::YesNo);
    EXPECT_EQ(m.icon, vuv::MessageIcon::Question);
    return m.title + "|" + m.text;
}

// A field as a fresh record has it: the text, then zeros.
template <size_t N>
void SetWhole(char (&field)[N], const char* text)
{
    memset(field, 0, N);
    vuv::SetField(field, text);
}

vuv::TrackRecord Track(const std::string& path)
{
    vuv::TrackRecord track;
    memset(&track, 0, sizeof track);
    vuv::SetField(track.path, path);
    return track;
}

TEST(RefreshFromIdTag, ReplacesTheTagFieldsOfTheSelectedTracksOnly)
{
    PluginTestFolder plugins;
    plugins.Install("TextTags");
    ScratchFolder music;
    const std::string tagged = music.File("tagged.ttag");
    ASSERT_TRUE(vuvtest::WriteBytes(tagged,
                                    "artist=New Artist\ntitle=New Title\nalbum=New Album\n"
                                    "yearAndTrack=0x0507CF\nkbps=192\nrate=48000\nchannels=1\n"
                                    "length=1234\nsize=5678\npreference=2\ngenre=Ignored\n"));

    std::vector<vuv::TrackRecord> tracks = {Track(tagged), Track(tagged), Track(music.File("Plainname.none"))};
    for (vuv::TrackRecord& t : tracks) {
        vuv::SetField(t.artist, "Old Artist");
        vuv::SetField(t.title, "Old Title");
        vuv::SetField(t.album, "Old Album");
        t.year = 1980;
        t.preference = 7;
        t.volumeBoost = 600;
        t.genreIds[0] = 9;
        t.flags = vuv::kFlagHighlight2;
        t.playCount = 3;
        t.dateAdded = 42;
        t.typeName = 1;
    }
    const std::vector<vuv::TrackRecord> before = tracks;

    {
        MessageRecorder no(vuv::MessageAnswer::No);
        EXPECT_FALSE(vuv::RefreshFromIdTag(tracks.data(), tracks.size(), {0, 2}, true));
        EXPECT_EQ(OnlyQuestion(no), "Tonbrook|Replace Music Collection Tag information from ID Tag?");
        EXPECT_EQ(memcmp(tracks.data(), before.data(), sizeof(vuv::TrackRecord) * tracks.size()), 0);
    }
    MessageRecorder yes(vuv::MessageAnswer::Yes);
    EXPECT_TRUE(vuv::RefreshFromIdTag(tracks.data(), tracks.size(), {2, 0, 17, 0}, true));
    EXPECT_EQ(yes.messages.size(), 1u);

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
    EXPECT_EQ(memcmp(&tracks[0], &expected, sizeof expected), 0);
    EXPECT_EQ(memcmp(&tracks[1], &before[1], sizeof expected), 0);  // not selected

    // No plug-in and no '-': the artist empties, the title is the name.
    vuv::TrackRecord plain = before[2];
    SetWhole(plain.artist, "");
    SetWhole(plain.title, "Plainname");
    SetWhole(plain.album, "");
    plain.year = 0;
    EXPECT_EQ(memcmp(&tracks[2], &plain, sizeof plain), 0)
        << tracks[2].artist << "|" << tracks[2].title;

    // Without the question (vuvtool) nothing is asked.
    EXPECT_TRUE(vuv::RefreshFromIdTag(tracks.data(), tracks.size(), {1}, false));
    EXPECT_EQ(yes.messages.size(), 1u);
    EXPECT_STREQ(tracks[1].artist, "New Artist");
}

TEST(RewriteIdTag, WritesTheCollectionsFieldsInOrder)
{
    PluginTestFolder plugins;
    plugins.Install("TextTags");
    ScratchFolder music;
    vuv::GenreList genres;
    vuv::GenreRecord record{};
    record.id = 5;
    vuv::SetField(record.name, "Trip Hop");
    genres.Append(record);

    std::vector<vuv::TrackRecord> tracks = {
        Track(music.File("full.ttag")), Track(music.File("bare.ttag")),
        Track(music.File("unknown-genre.ttag")), Track(music.File("no plugin.none")),
        Track(music.File("full.ttag"))};
    vuv::SetField(tracks[0].artist, "Corvina");
    vuv::SetField(tracks[0].title, "Rain");
    vuv::SetField(tracks[0].album, "Clouds");
    tracks[0].year = 1999;
    tracks[0].trackNumber = 3;
    tracks[0].genreIds[0] = 5;
    tracks[0].genreIds[1] = 7;
    vuv::SetField(tracks[1].title, "Only");
    tracks[1].genreIds[1] = 5;  // slot 0 empty: no genre
    tracks[2].genreIds[0] = 77;
    vuv::SetField(tracks[4].artist, "Second");
    tracks[4].year = -3;

    {
        MessageRecorder no(vuv::MessageAnswer::No);
        EXPECT_FALSE(vuv::RewriteIdTag(tracks.data(), tracks.size(), &genres, {0}, true));
        EXPECT_EQ(OnlyQuestion(no), "Tonbrook|Information: Rewriting ID Tag will overwrite the ID Tag "
                               "held in selected files with that stored in Vo Varar Odududaroz, "
                               "Proceed?");
        EXPECT_EQ(vuvtest::ReadBytes(music.File("full.ttag")), "");
    }
    MessageRecorder yes(vuv::MessageAnswer::Yes);
    EXPECT_TRUE(vuv::RewriteIdTag(tracks.data(), tracks.size(), &genres, {4, 3, 2, 1, 0}, true));
    // Tracks 0 and 4 share a file: collection order shows in it.
    EXPECT_EQ(vuvtest::ReadBytes(music.File("full.ttag")),
              "ARTIST=Corvina\nTITLE=Rain\nALBUM=Clouds\nYEAR=1999\nGENRE=Trip Hop\nTRACK=3\n"
              "ARTIST=Second\nTITLE=\nALBUM=\nYEAR=-3\n");
    EXPECT_EQ(vuvtest::ReadBytes(music.File("bare.ttag")), "ARTIST=\nTITLE=Only\nALBUM=\n");
    EXPECT_EQ(vuvtest::ReadBytes(music.File("unknown-genre.ttag")), "ARTIST=\nTITLE=\nALBUM=\n");
    EXPECT_FALSE(vuv::Exists(music.File("no plugin.none")));

    // Without a loaded genre list no genre is written.
    vuv::GenreList empty;
    ASSERT_TRUE(vuvtest::WriteBytes(music.File("full.ttag"), ""));
    EXPECT_TRUE(vuv::RewriteIdTag(tracks.data(), tracks.size(), &empty, {0}, false));
    EXPECT_TRUE(vuv::RewriteIdTag(tracks.data(), tracks.size(), nullptr, {0}, false));
    const std::string once = "ARTIST=Corvina\nTITLE=Rain\nALBUM=Clouds\nYEAR=1999\nTRACK=3\n";
    EXPECT_EQ(vuvtest::ReadBytes(music.File("full.ttag")), once + once);
}

}  // namespace
