#include "core/CollectionTotals.h"

#include "core/StoreFixture.h"

using namespace vuv;
using namespace vuvtest;

namespace {

class CollectionTotalsTest : public StoreTest {};

}  // namespace

TEST_F(CollectionTotalsTest, LengthTextAndSums)
{
    EXPECT_EQ(TotalLengthText(0), "0 seconds");
    EXPECT_EQ(TotalLengthText(59), "59 seconds");
    EXPECT_EQ(TotalLengthText(61), "1 minutes 1 seconds");
    EXPECT_EQ(TotalLengthText(3600 + 5), "1 hours 0 minutes");
    for (int i = 0; i < 90; ++i) {
        TrackRecord t = MakeTrack("A", "t", "", "C:\\t.mp3");
        t.lengthMs = 240999;  // whole seconds per track: 240
        t.fileSize = 0xF0000000u;
        store().AppendTrack(t);
    }
    EXPECT_EQ(TotalSeconds(store()), 90u * 240u);
    EXPECT_EQ(TotalLengthText(TotalSeconds(store())), "6 hours 0 minutes");
    EXPECT_EQ(TotalFileSize(store()), 90ull * 0xF0000000ull);
}
