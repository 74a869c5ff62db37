#include "plugins/TrackInfo.h"

#include "core/FileTypeNames.h"
#include "platform/Clock.h"
#include "plugins/PluginTestFolder.h"
#include "support/TestSupport.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

using vuvtest::PluginTestFolder;
using vuvtest::ScratchFolder;

vuv::TrackRecord RecordFor(const std::string& path)
{
    vuv::TrackRecord track;
    memset(&track, 0, sizeof track);
    vuv::SetField(track.path, path);
    return track;
}

struct Names {
    std::string artist, title;
};

Names NamesFromFile(const std::string& path)
{
    vuv::TrackRecord track = RecordFor(path);
    vuv::FillTrackFromFile(track, nullptr);
    return {track.artist, track.title};
}

TEST(FillTrackFromFile, TakesArtistAndTitleFromTheFileNameWhenNoPluginGivesThem)
{
    PluginTestFolder noPlugins;
    EXPECT_EQ(NamesFromFile("C:\\Music\\Corvina - Rain.mp3").artist, "Corvina");
    EXPECT_EQ(NamesFromFile("C:\\Music\\Corvina - Rain.mp3").title, "Rain");
    EXPECT_EQ(NamesFromFile("C:\\Music\\A-B-C.mp3").artist, "A");
    EXPECT_EQ(NamesFromFile("C:\\Music\\A-B-C.mp3").title, "B-C");
    EXPECT_EQ(NamesFromFile("C:\\Music\\-Rain.mp3").artist, "");
    EXPECT_EQ(NamesFromFile("C:\\Music\\-Rain.mp3").title, "Rain");
    // Without '-' the whole name, spaces kept; the folder's dash is not used.
    EXPECT_EQ(NamesFromFile("C:\\Mu-sic\\ Plain Name .ogg").artist, "");
    EXPECT_EQ(NamesFromFile("C:\\Mu-sic\\ Plain Name .ogg").title, " Plain Name ");
    // Only ' ' is trimmed, not tabs.
    EXPECT_EQ(NamesFromFile("C:\\Music\\\tX - Y\t.mp3").artist, "\tX");
    EXPECT_EQ(NamesFromFile("C:\\Music\\\tX - Y\t.mp3").title, "Y\t");

    const std::string longName(150, 'n');
    EXPECT_EQ(NamesFromFile("C:\\Music\\" + longName + ".mp3").title, std::string(99, 'n'));
    // Each side is cut to 99 characters first and trimmed after.
    const std::string artistSide = "  " + std::string(100, 'a');
    const std::string titleSide = std::string(97, 't') + "  xyz";
    Names cut = NamesFromFile("C:\\Music\\" + artistSide + "-" + titleSide + ".mp3");
    EXPECT_EQ(cut.artist, std::string(97, 'a'));
    EXPECT_EQ(cut.title, std::string(97, 't'));
}

TEST(FillTrackFromFile, ZeroesTheRecordAndStampsTheDateUnlessItAlreadyHasAName)
{
    PluginTestFolder noPlugins;
    vuv::TrackRecord track = RecordFor("C:\\Music\\Corvina - Rain.mp3");
    track.playCount = 12;
    track.preference = 7;
    track.genreIds[0] = 3;
    track.volumeBoost = 600;
    char genre[vuv::kGenreTextSize];
    strcpy(genre, "stale");
    const uint64_t before = vuv::CurrentFileTimeUtc();
    vuv::FillTrackFromFile(track, genre);
    const uint64_t after = vuv::CurrentFileTimeUtc();

    EXPECT_STREQ(genre, "");
    EXPECT_STREQ(track.path, "C:\\Music\\Corvina - Rain.mp3");
    EXPECT_GE(track.dateAdded, before);
    EXPECT_LE(track.dateAdded, after);
    vuv::TrackRecord expected = RecordFor(track.path);
    vuv::SetField(expected.artist, "Corvina");
    vuv::SetField(expected.title, "Rain");
    expected.dateAdded = track.dateAdded;
    EXPECT_EQ(memcmp(&track, &expected, sizeof track), 0);

    // A record with a name is left alone, but the genre text is cleared.
    vuv::TrackRecord named = RecordFor("C:\\Music\\Other - Name.mp3");
    vuv::SetField(named.title, "Kept");
    named.playCount = 5;
    const vuv::TrackRecord copy = named;
    strcpy(genre, "stale");
    vuv::FillTrackFromFile(named, genre);
    EXPECT_EQ(memcmp(&named, &copy, sizeof named), 0);
    EXPECT_STREQ(genre, "");
}

TEST(FillTrackFromFile, StoresWhatThePluginReportsInTheRecordsFieldWidths)
{
    PluginTestFolder plugins;
    plugins.Install("TextTags");
    ScratchFolder music;
    const std::string path = music.File("Ignored - Name.ttag");
    ASSERT_TRUE(vuvtest::WriteBytes(path,
                                    "kbps=0x12345\nrate=44100\nchannels=0x102\nlength=245900\n"
                                    "size=4000000\nyearAndTrack=0x450C07D3\npreference=0x309\n"
                                    "artist=Corvina\ntitle=Rain\nalbum=Clouds\ngenre=Trip Hop\n"));
    vuv::TrackRecord track = RecordFor(path);
    char genre[vuv::kGenreTextSize];
    vuv::FillTrackFromFile(track, genre);
    EXPECT_STREQ(track.artist, "Corvina");
    EXPECT_STREQ(track.title, "Rain");
    EXPECT_STREQ(track.album, "Clouds");
    EXPECT_STREQ(genre, "Trip Hop");
    EXPECT_EQ(track.kbps, 0x2345);            // low 16 bits
    EXPECT_EQ(track.sampleRate, 44100u);
    EXPECT_EQ(track.channels, 2);             // low 8 bits
    EXPECT_EQ(track.lengthMs, 245900u);
    EXPECT_EQ(track.fileSize, 4000000u);
    EXPECT_EQ(track.year, 2003);              // bits 0-15
    EXPECT_EQ(track.trackNumber, 12);         // bits 16-23
    EXPECT_EQ(track.preference, 9);           // low 8 bits

    // A plug-in that gives only an album still leaves the name to the file.
    const std::string albumOnly = music.File("Corvina - Rain.ttag");
    ASSERT_TRUE(vuvtest::WriteBytes(albumOnly, "album=Clouds\n"));
    vuv::TrackRecord second = RecordFor(albumOnly);
    vuv::FillTrackFromFile(second, nullptr);
    EXPECT_STREQ(second.artist, "Corvina");
    EXPECT_STREQ(second.title, "Rain");
    EXPECT_STREQ(second.album, "Clouds");
}

vuv::TrackRecord InfoRecord()
{
    vuv::TrackRecord track = RecordFor("C:\\Music\\Corvina\\Corvina - Rain.nothing");
    track.lengthMs = 245900;
    track.year = 1999;
    track.playCount = 7;
    track.volumeBoost = 500;
    track.dateAdded = 0x01D0000000000000ull;
    return track;
}

std::string ExpectedHead(const char* size)
{
    return std::string("File :\t\tCorvina - Rain\r\nLocation :\t\tC:\\Music\\Corvina\\\r\nType :\t\t") +
           vuv::ComputeFileTypeText(".nothing") +
           "\r\nExtension : \t.nothing\r\nLength (m:ss) :\t4:05\r\nSize :\t\t" + size;
}

std::string ExpectedTail(const char* preference, const char* volume)
{
    vuv::TrackRecord track = InfoRecord();
    return std::string("\r\nPreferrence :\t") + preference + "\r\nYear :\t\t1999\r\nTimes Played :\t7" +
           "\r\nDate Added :\t" + vuv::LongDateText(track.dateAdded) + "\r\nVolume Boost :\t" + volume;
}

TEST(BuildTrackInfoText, WritesTheFixedBlockExactly)
{
    PluginTestFolder noPlugins;
    vuv::TrackRecord empty = RecordFor("");
    EXPECT_EQ(vuv::BuildTrackInfoText(empty), "Not Playing");

    vuv::TrackRecord track = InfoRecord();
    // A size of 0 gives 0KB and no compression block.
    EXPECT_EQ(vuv::BuildTrackInfoText(track), ExpectedHead("0KB") + ExpectedTail("0.5", "0 dB"));
    EXPECT_EQ(vuv::BuildTrackDetailsText(track), ExpectedHead("0KB"));

    track.fileSize = 1;
    track.preference = 9;
    track.volumeBoost = 449;  // -51 / 50 truncates toward zero
    EXPECT_EQ(vuv::BuildTrackInfoText(track), ExpectedHead("1KB") + ExpectedTail("5", "-1 dB"));
    track.preference = 4;
    track.volumeBoost = 4000;
    EXPECT_EQ(vuv::BuildTrackInfoText(track),
              ExpectedHead("1KB") + ExpectedTail("2.5", "Auto [Yet to set]"));
    track.preference = 1;
    track.volumeBoost = 1000;
    EXPECT_EQ(vuv::BuildTrackInfoText(track), ExpectedHead("1KB") + ExpectedTail("1", "10 dB"));
}

// The compression block for a 44.1 kHz stereo minute (10335KB of 16-bit
// PCM) stored in a file of `kb` KB.
std::string RatioBlock(uint32_t kb)
{
    vuv::TrackRecord track = InfoRecord();
    track.sampleRate = 44100;
    track.channels = 2;
    track.lengthMs = 60000;
    track.fileSize = (kb - 1) * 1024;
    std::string text = vuv::BuildTrackDetailsText(track);
    size_t start = text.find("KB");
    return start == std::string::npos ? text : text.substr(start + 2);
}

TEST(BuildTrackInfoText, ComputesTheCompressionRatioBlock)
{
    PluginTestFolder noPlugins;
    EXPECT_EQ(RatioBlock(1000), "\r\nOriginal Size :\t10335KB\r\nCompression Ratio :\t10 to 1   (9 %)\r\n");
    EXPECT_EQ(RatioBlock(4134), "\r\nOriginal Size :\t10335KB\r\nCompression Ratio :\t2.5 to 1   (40 %)\r\n");
    EXPECT_EQ(RatioBlock(12900), "\r\nOriginal Size :\t10335KB\r\nCompression Ratio :\t.8 to 1   (124 %)\r\n");
    EXPECT_EQ(RatioBlock(10335 - 1100), "\r\nOriginal Size :\t10335KB\r\nCompression Ratio :\t1.1 to 1   (89 %)\r\n");
    // Within 1023 KB either way counts as the same size.
    EXPECT_EQ(RatioBlock(10000), "\r\nOriginal Size :\t10000KB\r\nCompression Ratio :\t1 to 1   (100 %)\r\n");
    EXPECT_EQ(RatioBlock(11357), "\r\nOriginal Size :\t11357KB\r\nCompression Ratio :\t1 to 1   (100 %)\r\n");
    EXPECT_EQ(RatioBlock(11359), "\r\nOriginal Size :\t10335KB\r\nCompression Ratio :\t.9 to 1   (109 %)\r\n");

    // No stream facts: no block.
    vuv::TrackRecord track = InfoRecord();
    track.fileSize = 5000;
    EXPECT_EQ(vuv::BuildTrackDetailsText(track), ExpectedHead("5KB"));
}

TEST(BuildTrackInfoText, AppendsThePluginsTextAfterABlankLine)
{
    PluginTestFolder plugins;
    plugins.Install("TextTags");
    ScratchFolder music;
    const std::string path = music.File("Song.ttag");
    ASSERT_TRUE(vuvtest::WriteBytes(path, "artist=Corvina\n"));
    vuv::TrackRecord track = RecordFor(path);
    const std::string text = vuv::BuildTrackInfoText(track);
    const std::string tail = "\r\nVolume Boost :\t-10 dB\r\n\r\nText tags:\r\nartist=Corvina";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    const std::string details = vuv::BuildTrackDetailsText(track);
    EXPECT_EQ(details.find("Preferrence"), std::string::npos);
    EXPECT_NE(details.find("Size :\t\t0KB\r\n\r\nText tags:\r\nartist=Corvina"), std::string::npos);
}

}  // namespace
