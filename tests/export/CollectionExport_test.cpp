#include "export/CollectionExport.h"

#include "core/CollectionStore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace vuv;

namespace {

TrackRecord Track(const char* artist, const char* album, const char* title, int number)
{
    TrackRecord t;
    memset(&t, 0, sizeof t);
    SetField(t.artist, artist);
    SetField(t.album, album);
    SetField(t.title, title);
    SetField(t.path, std::string("C:\\") + title + ".mp3");
    t.trackNumber = uint8_t(number);
    return t;
}

class CollectionExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const TrackRecord& t : {Track("", "Road", "Intro", 0), Track("beta", "B1", "Song b", 2),
                                     Track("Beta", "B1", "Song a", 1), Track("Alpha", "A1", "x", 1),
                                     Track("Alpha", "", "y", 0)})
            store_.AppendTrack(t);
        in_.layout = "[track number xx] [title]";
        in_.top = "T[ret]";
        in_.bottom = "B[t length]";
        in_.beforeArtist = "A:";
        in_.afterArtist = "[tab]";
        in_.beforeAlbum = "[tab]";
    }
    std::vector<std::string> Titles() const
    {
        std::vector<std::string> titles;
        for (size_t i = 0; i < store_.Count(); ++i)
            titles.push_back(store_.Track(i).title);
        return titles;
    }

    CollectionStore store_;
    ExportInputs in_;
};

}  // namespace

// Sorted by artist, the album second and the track number third, ignoring
// case; the first track has no artist and so no artist heading, a new
// artist forgets the album, and artists differing only in case share one
// heading (the first track's spelling).
TEST_F(CollectionExportTest, ArtistAndAlbumHeadings)
{
    const std::vector<std::string> before = Titles();
    EXPECT_EQ(BuildExportListing(store_, in_), "T\r\n"
                                               "\tRoad\r\n Intro\r\n"
                                               "A:Alpha\t\r\n y\r\n\tA1\r\n01 x\r\n"
                                               "A:Beta\t\r\n\tB1\r\n01 Song a\r\n02 Song b\r\n"
                                               "B0 seconds");
    EXPECT_EQ(Titles(), before);  // the collection keeps its order

    in_.html = true;
    in_.artistHeadings = false;
    in_.top = in_.bottom = "";
    EXPECT_EQ(BuildExportListing(store_, in_), " y<br>\r\n"
                                               "&nbsp;&nbsp;&nbsp;A1<br>\r\n01 x<br>\r\n"
                                               "&nbsp;&nbsp;&nbsp;B1<br>\r\n01 Song a<br>\r\n02 Song b<br>\r\n"
                                               "&nbsp;&nbsp;&nbsp;Road<br>\r\n Intro<br>\r\n");
}

// Without headings the display order stands; a layout that expands to
// nothing for a track gives it no line at all.
TEST_F(CollectionExportTest, DisplayOrderAndEmptyLines)
{
    in_.artistHeadings = in_.albumHeadings = false;
    in_.top = in_.bottom = "";
    in_.layout = "[track number]";
    EXPECT_EQ(BuildExportListing(store_, in_), " 2\r\n 1\r\n 1\r\n");
}
