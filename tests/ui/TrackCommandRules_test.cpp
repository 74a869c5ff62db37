#include "ui/TrackCommandRules.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(TrackCommandRules, MusicMozAddressOfAnArtist)
{
    EXPECT_EQ(MusicMozAddress("the beatles"), "http://musicmoz.org/Bands_and_Artists/B/Beatles,_The/");
    EXPECT_EQ(MusicMozAddress("U2"), "http://musicmoz.org/Bands_and_Artists/u/u2/");
    EXPECT_EQ(MusicMozAddress(""), "http://musicmoz.org/Bands_and_Artists/");
    EXPECT_EQ(MusicMozDirectory("ac dc"), "ac_dc");
    EXPECT_EQ(MusicMozDirectory("PORTISHEAD  live"), "Portishead__Live");
    EXPECT_EQ(MusicMozDirectory("mc 5IVE caf\xE9 DEL\xC9"), "mc_5ive_Caf\xE9_Del\xC9");  // only a..z and A..Z change
}

TEST(TrackCommandRules, AlbumOrderAndCopiedBlock)
{
    // Numbers 3, 1, 2 and another 1 of "Blue", among others: 1 (the upper), 1, 2, 3.
    std::vector<TrackRecord> tracks(6, TrackRecord{});
    std::vector<TrackRecord*> order;
    const char* albums[] = {"Blue", "Red", "Blue", "blue", "Blue", "Blue"};
    for (size_t i = 0; i < tracks.size(); ++i) {
        SetField(tracks[i].album, albums[i]);
        tracks[i].trackNumber = uint8_t("311221"[i] - '0');
        order.push_back(&tracks[i]);
    }
    EXPECT_EQ(AlbumPlayOrder(order.data(), order.size(), "Blue"), (std::vector<size_t>{2, 5, 4, 0}));
    // 20 + 2 + (8 + 1) + (16 + 1) bytes: the header, the paths, two NULs.
    EXPECT_EQ(FileDropBlock({"C:\\a.mp3", "D:\\Music\\bb.flac"}),
              std::string("\x14\0\0\0", 4) + std::string(16, '\0') + std::string("C:\\a.mp3\0D:\\Music\\bb.flac\0\0\0", 28));
}
