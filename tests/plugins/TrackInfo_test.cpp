#include "plugins/TrackInfo.h"

#include "core/FileTypeNames.h"
#include "core/TrackRecords.h"
#include "platform/Clock.h"
#include "plugins/PluginTestFolder.h"
#include "support/TestSupport.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

using vuvtest::PluginTestFolder;
using vuvtest::ScratchFolder;
using vuvtest::Track;

// "artist|title|album|genre" after filling a record of the path.
std::string Filled(const std::string& path)
{
    vuv::TrackRecord track = Track(path);
    char genre[vuv::kGenreTextSize];
    vuv::FillTrackFromFile(track, genre);
    return std::string(track.artist) + "|" + track.title + "|" + track.album + "|" + genre;
}

TEST(FillTrackFromFile, WithoutAPluginTheNameComesFromTheFileAndTheRecordIsZeroedAndStamped)
{
    PluginTestFolder noPlugins;
    // Split at the first '-', spaces trimmed (only ' '); without one the
    // whole name, and a folder's dash is not used.
    for (auto [path, names] : {std::pair<const char*, const char*>{"C:\\Music\\Corvina - Rain.mp3", "Corvina|Rain"},
                               {"C:\\Music\\A-B-C.mp3", "A|B-C"},
                               {"C:\\Music\\-Rain.mp3", "|Rain"},
                               {"C:\\Mu-sic\\ Plain Name .ogg", "| Plain Name "},
                               {"C:\\Music\\\tX - Y\t.mp3", "\tX|Y\t"}})
        EXPECT_EQ(Filled(path), std::string(names) + "||") << path;
    EXPECT_EQ(Filled("C:\\Music\\" + std::string(150, 'n') + ".mp3"), "|" + std::string(99, 'n') + "||");
    // Each side is cut to 99 characters first and trimmed after.
    EXPECT_EQ(Filled("C:\\Music\\  " + std::string(100, 'a') + "-" + std::string(97, 't') + "  xyz.mp3"),
              std::string(97, 'a') + "|" + std::string(97, 't') + "||");

    // The record is zeroed and stamped unless it already has a name.
    vuv::TrackRecord track = Track("C:\\Music\\Corvina - Rain.mp3");
    track.playCount = 12;
    track.preference = 7;
    track.genreIds[0] = 3;
    track.volumeBoost = 600;
    char genre[vuv::kGenreTextSize] = "stale";
    const uint64_t before = vuv::CurrentFileTimeUtc();
    vuv::FillTrackFromFile(track, genre);
    EXPECT_STREQ(genre, "");
    EXPECT_GE(track.dateAdded, before);
    EXPECT_LE(track.dateAdded, vuv::CurrentFileTimeUtc());
    vuv::TrackRecord expected = vuvtest::MakeTrack("Corvina", "Rain", "", track.path);
    expected.dateAdded = track.dateAdded;
    EXPECT_EQ(memcmp(&track, &expected, sizeof track), 0);

    // A record with a name is left alone, but the genre text is cleared.
    vuv::TrackRecord named = Track("C:\\Music\\Other - Name.mp3");
    vuv::SetField(named.title, "Kept");
    named.playCount = 5;
    const vuv::TrackRecord copy = named;
    strcpy(genre, "stale");
    vuv::FillTrackFromFile(named, genre);
    EXPECT_EQ(memcmp(&named, &copy, sizeof named), 0);
    EXPECT_STREQ(genre, "");
}

TEST(FillTrackFromFile, StoresWhatThePluginReportsInTheRecordsFieldWidthsAndShowsItsText)
{
    PluginTestFolder plugins;
    plugins.Install("TextTags");
    ScratchFolder music;
    const std::string path = music.File("Ignored - Name.ttag"), albumOnly = music.File("Corvina - Rain.ttag");
    ASSERT_TRUE(vuvtest::WriteBytes(path, "kbps=0x12345\nrate=44100\nchannels=0x102\nlength=245900\n"
                                          "size=4000000\nyearAndTrack=0x450C07D3\npreference=0x309\n"
                                          "artist=Corvina\ntitle=Rain\nalbum=Clouds\ngenre=Trip Hop\n"));
    ASSERT_TRUE(vuvtest::WriteBytes(albumOnly, "album=Clouds\n"));
    EXPECT_EQ(Filled(path), "Corvina|Rain|Clouds|Trip Hop");
    vuv::TrackRecord t = Track(path);
    vuv::FillTrackFromFile(t, nullptr);
    // kbps, channels, preference: their low bits; year bits 0-15, track 16-23.
    EXPECT_EQ(std::to_string(t.kbps) + "|" + std::to_string(t.sampleRate) + "|" + std::to_string(t.channels) + "|" +
                  std::to_string(t.lengthMs) + "|" + std::to_string(t.fileSize) + "|" + std::to_string(t.year) + "|" +
                  std::to_string(t.trackNumber) + "|" + std::to_string(t.preference),
              "9029|44100|2|245900|4000000|2003|12|9");
    // A plug-in that gives only an album still leaves the name to the file.
    EXPECT_EQ(Filled(albumOnly), "Corvina|Rain|Clouds|");
    // The plug-in's text follows the info after a blank line.
    const std::string text = vuv::BuildTrackInfoText(Track(albumOnly)), details = vuv::BuildTrackDetailsText(Track(albumOnly));
    const std::string tail = "\r\nVolume Boost :\t-10 dB\r\n\r\nText tags:\r\nalbum=Clouds";
    EXPECT_EQ(text.substr(text.size() - std::min(text.size(), tail.size())), tail);
    EXPECT_EQ(details.find("Preferrence"), std::string::npos);
    EXPECT_NE(details.find("Size :\t\t0KB\r\n\r\nText tags:\r\nalbum=Clouds"), std::string::npos);
}

vuv::TrackRecord InfoRecord()
{
    vuv::TrackRecord track = Track("C:\\Music\\Corvina\\Corvina - Rain.nothing");
    track.lengthMs = 245900;
    track.year = 1999;
    track.playCount = 7;
    track.volumeBoost = 500;
    track.dateAdded = 0x01D0000000000000ull;
    return track;
}

std::string Head(const char* size)
{
    return std::string("File :\t\tCorvina - Rain\r\nLocation :\t\tC:\\Music\\Corvina\\\r\nType :\t\t") +
           vuv::ComputeFileTypeText(".nothing") + "\r\nExtension : \t.nothing\r\nLength (m:ss) :\t4:05\r\nSize :\t\t" +
           size;
}

std::string Tail(const char* preference, const char* volume)
{
    return std::string("\r\nPreferrence :\t") + preference + "\r\nYear :\t\t1999\r\nTimes Played :\t7" +
           "\r\nDate Added :\t" + vuv::LongDateText(InfoRecord().dateAdded) + "\r\nVolume Boost :\t" + volume;
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
    const std::string text = vuv::BuildTrackDetailsText(track);
    return text.substr(text.find("KB") + 2);
}

TEST(BuildTrackInfoText, WritesTheFixedBlockAndTheCompressionRatio)
{
    PluginTestFolder noPlugins;
    EXPECT_EQ(vuv::BuildTrackInfoText(Track("")), "Not Playing");
    vuv::TrackRecord track = InfoRecord();
    // A size of 0 gives 0KB and no compression block.
    EXPECT_EQ(vuv::BuildTrackInfoText(track), Head("0KB") + Tail("0.5", "0 dB"));
    EXPECT_EQ(vuv::BuildTrackDetailsText(track), Head("0KB"));
    track.fileSize = 1;
    track.preference = 9;
    track.volumeBoost = 449;  // -51 / 50 truncates toward zero
    EXPECT_EQ(vuv::BuildTrackInfoText(track), Head("1KB") + Tail("5", "-1 dB"));
    track.preference = 4;
    track.volumeBoost = 4000;
    EXPECT_EQ(vuv::BuildTrackInfoText(track), Head("1KB") + Tail("2.5", "Auto [Yet to set]"));
    track.preference = 1;
    track.volumeBoost = 1000;
    EXPECT_EQ(vuv::BuildTrackInfoText(track), Head("1KB") + Tail("1", "10 dB"));

    const std::string block = "\r\nOriginal Size :\t%sKB\r\nCompression Ratio :\t%s to 1   (%s %%)\r\n";
    auto expected = [&](const char* original, const char* ratio, const char* percent) {
        char text[200];
        snprintf(text, sizeof text, block.c_str(), original, ratio, percent);
        return std::string(text);
    };
    EXPECT_EQ(RatioBlock(1000), expected("10335", "10", "9"));  // above 3 to 1: whole numbers
    EXPECT_EQ(RatioBlock(4134), expected("10335", "2.5", "40"));
    EXPECT_EQ(RatioBlock(12900), expected("10335", ".8", "124"));
    // Within 1023 KB either way counts as the same size.
    EXPECT_EQ(RatioBlock(10000), expected("10000", "1", "100"));
    EXPECT_EQ(RatioBlock(11357), expected("11357", "1", "100"));
    EXPECT_EQ(RatioBlock(11359), expected("10335", ".9", "109"));
    // No stream facts: no block.
    track = InfoRecord();
    track.fileSize = 5000;
    EXPECT_EQ(vuv::BuildTrackDetailsText(track), Head("5KB"));
}

}  // namespace
