#include "ui/PropertiesPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertiesPlacement, OpensNearThePointerInsideTheWorkArea)
{
    const RECT work{0, 0, 1280, 1000};
    auto at = [&](LONG x, LONG y) { return vuv::PropertiesDialogRect(POINT{x, y}, work); };
    RECT r = at(600, 500);
    EXPECT_EQ(r.left, 400);
    EXPECT_EQ(r.top, 300);
    EXPECT_EQ(r.right - r.left, 411);
    EXPECT_EQ(r.bottom - r.top, 468);
    r = at(1270, 990);  // pushed back from the right and the bottom
    EXPECT_EQ(r.right, 1280);
    EXPECT_EQ(r.bottom, 1000);
    r = at(50, 20);  // from the left and the top
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    // A work area smaller than the dialog shows its top-left corner.
    r = vuv::PropertiesDialogRect(POINT{300, 300}, RECT{10, 20, 310, 320});
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
}

}  // namespace
