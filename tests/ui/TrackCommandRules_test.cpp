#include "ui/TrackCommandRules.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;

TEST(TrackCommandRules, MusicMozAddressOfAnArtist)
{
    EXPECT_EQ(MusicMozAddress("the beatles"), "http://musicmoz.org/Bands_and_Artists/B/Beatles,_The/");
    EXPECT_EQ(MusicMozAddress("U2"), "http://musicmoz.org/Bands_and_Artists/u/u2/");
    EXPECT_EQ(MusicMozDirectory("ac dc"), "ac_dc");
    EXPECT_EQ(MusicMozDirectory("PORTISHEAD  live"), "Portishead__Live");
    EXPECT_EQ(MusicMozDirectory("mc 5IVE caf\xE9 DEL\xC9"), "mc_5ive_Caf\xE9_Del\xC9");  // only a..z and A..Z change
    EXPECT_EQ(MusicMozAddress(""), "http://musicmoz.org/Bands_and_Artists/");
}

TEST(TrackCommandRules, AlbumPlaysInTrackNumberOrder)
{
    // Numbers 3, 1, 2 and another 1 of the album, around other albums.
    const struct { const char* album; int number; } rows[] = {{"Blue", 3}, {"Red", 1}, {"Blue", 1}, {"blue", 2},
                                                             {"Blue", 2}, {"Blue", 1}};
    std::vector<TrackRecord> tracks(6);
    std::vector<TrackRecord*> order;
    for (size_t i = 0; i < tracks.size(); ++i) {
        memset(&tracks[i], 0, sizeof tracks[i]);
        SetField(tracks[i].album, rows[i].album);
        tracks[i].trackNumber = uint8_t(rows[i].number);
        order.push_back(&tracks[i]);
    }
    EXPECT_EQ(AlbumPlayOrder(order.data(), order.size(), "Blue"), (std::vector<size_t>{2, 5, 4, 0}));
}

TEST(TrackCommandRules, FileDropBlockListsEachPathWithItsNul)
{
    const std::string block = FileDropBlock({"C:\\a.mp3", "D:\\Music\\bb.flac"});
    ASSERT_EQ(block.size(), 20 + 2 + (8 + 1) + (16 + 1));
    EXPECT_EQ(block.substr(0, 4), std::string("\x14\0\0\0", 4));
    EXPECT_EQ(block.substr(4, 16), std::string(16, '\0'));
    EXPECT_EQ(block.substr(20), std::string("C:\\a.mp3\0D:\\Music\\bb.flac\0\0\0", 28));
}
