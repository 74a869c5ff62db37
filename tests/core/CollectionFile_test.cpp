#include "core/CollectionFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;

namespace {

// Every byte its own (texts without their NULs too), the type field set.
TrackRecord Sample(int i)
{
    TrackRecord t;
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&t);
    for (size_t b = 0; b < sizeof t; ++b)
        bytes[b] = uint8_t(i * 7 + b);
    t.typeName = 0xCAFE;  // memory only
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
