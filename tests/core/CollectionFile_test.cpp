#include "core/CollectionFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;

namespace {

TrackRecord Sample(int i)
{
    TrackRecord t;
    memset(&t, 0, sizeof t);
    snprintf(t.artist, sizeof t.artist, "Artist %d", i);
    snprintf(t.title, sizeof t.title, "Title %d", i);
    snprintf(t.path, sizeof t.path, "C:\\Music\\%d.mp3", i);
    t.preference = uint8_t(i % 10);
    t.kbps = 320;
    t.sampleRate = 44100;
    t.volumeBoost = 4000;
    t.genreIds[0] = uint16_t(i + 1);
    t.year = -1;
    t.channels = 2;
    t.fileSize = 0xFFFFFFFFu;
    t.lengthMs = 245900;
    t.flags = kFlagNew;
    t.playCount = 3;
    t.dateAdded = 0x01D9123456789ABCull;
    t.typeName = 0xCAFE;  // memory only
    t.trackNumber = 255;
    return t;
}

}  // namespace

TEST(CollectionFile, EmptyAndPartialFiles)
{
    vuvtest::ScratchFolder dir;
    std::vector<TrackRecord> tracks;
    ASSERT_TRUE(vuvtest::WriteBytes(dir.File("empty.mcc"), ""));
    EXPECT_TRUE(ReadTrackFile(dir.File("empty.mcc"), tracks, false));
    EXPECT_TRUE(tracks.empty());

    EXPECT_TRUE(WriteTrackFile(dir.File("none.mcc"), nullptr, 0, false));
    EXPECT_EQ(vuvtest::ReadBytes(dir.File("none.mcc")).size(), 0u);

    ASSERT_TRUE(vuvtest::WriteBytes(dir.File("1000.mcc"), std::string(1000, 'A')));
    EXPECT_TRUE(ReadTrackFile(dir.File("1000.mcc"), tracks, false));
    EXPECT_EQ(tracks.size(), 1u);

    EXPECT_FALSE(ReadTrackFile(dir.File("missing.mcc"), tracks, false));
    EXPECT_EQ(tracks.size(), 1u);
}

TEST(CollectionFile, RecordsRoundTripByteForByteButTheTypeField)
{
    vuvtest::ScratchFolder dir;
    std::vector<TrackRecord> out;
    for (int i = 0; i < 2500; ++i)  // more than one write block
        out.push_back(Sample(i));
    ASSERT_TRUE(WriteTrackFile(dir.File("c.mcc"), out.data(), out.size(), false));
    const std::string bytes = vuvtest::ReadBytes(dir.File("c.mcc"));
    ASSERT_EQ(bytes.size(), out.size() * 648);
    // Offset 640 of every stored record is written as 0.
    for (size_t i = 0; i < out.size(); ++i)
        ASSERT_EQ(bytes.substr(i * 648 + 640, 4), std::string(4, '\0'));

    std::vector<TrackRecord> back;
    ASSERT_TRUE(ReadTrackFile(dir.File("c.mcc"), back, false));
    ASSERT_EQ(back.size(), out.size());
    for (size_t i = 0; i < out.size(); ++i) {
        TrackRecord expected = StoredForm(out[i]);
        ASSERT_EQ(memcmp(&back[i], &expected, sizeof expected), 0) << "record " << i;
    }
}
