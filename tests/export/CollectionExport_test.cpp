#include "export/CollectionExport.h"

#include "core/CollectionStore.h"
#include "core/TrackRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace vuv;

TEST(CollectionExport, HeadingsOrderAndLines)
{
    CollectionStore store;
    auto add = [&store](const char* artist, const char* album, const char* title, int number) {
        TrackRecord t = vuvtest::MakeTrack(artist, title, album);
        t.trackNumber = uint8_t(number);
        store.AppendTrack(t);
    };
    add("", "Road", "Intro", 0), add("beta", "B1", "Song b", 2), add("Beta", "B1", "Song a", 1);
    add("Alpha", "A1", "x", 1), add("Alpha", "", "y", 0);
    const std::vector<TrackRecord*> before(store.Order(), store.Order() + store.Count());
    ExportInputs in;
    in.layout = "[track number xx] [title]";
    in.top = "T[ret]";
    in.bottom = "B[t length]";
    in.beforeArtist = "A:";
    in.afterArtist = in.beforeAlbum = "[tab]";
    // By artist, album and track number, ignoring case: the first track has
    // no artist and so no heading, a new artist forgets the album, and
    // artists that differ only in case share a heading.
    EXPECT_EQ(BuildExportListing(store, in), "T\r\n"
                                             "\tRoad\r\n Intro\r\n"
                                             "A:Alpha\t\r\n y\r\n\tA1\r\n01 x\r\n"
                                             "A:Beta\t\r\n\tB1\r\n01 Song a\r\n02 Song b\r\n"
                                             "B0 seconds");
    EXPECT_TRUE(std::equal(before.begin(), before.end(), store.Order()));  // the collection keeps its order
    // Album headings alone, in HTML.
    in.html = true;
    in.artistHeadings = false;
    in.top = in.bottom = "";
    EXPECT_EQ(BuildExportListing(store, in), " y<br>\r\n&nbsp;&nbsp;&nbsp;A1<br>\r\n01 x<br>\r\n"
                                             "&nbsp;&nbsp;&nbsp;B1<br>\r\n01 Song a<br>\r\n02 Song b<br>\r\n"
                                             "&nbsp;&nbsp;&nbsp;Road<br>\r\n Intro<br>\r\n");
    // No headings: the display order; a track whose layout gives nothing
    // gets no line.
    in.albumHeadings = in.html = false;
    in.layout = "[track number]";
    EXPECT_EQ(BuildExportListing(store, in), " 2\r\n 1\r\n 1\r\n");
}
