#include "ui/PropertiesPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<LONG> Placed(LONG x, LONG y, const RECT& work)
{
    const RECT r = vuv::PropertiesDialogRect(POINT{x, y}, work);
    return {r.left, r.top, r.right, r.bottom};
}

TEST(PropertiesPlacement, OpensNearThePointerInsideTheWorkArea)
{
    const RECT work{0, 0, 1280, 1000};
    EXPECT_EQ(Placed(600, 500, work), (std::vector<LONG>{400, 300, 811, 768}));
    EXPECT_EQ(Placed(1270, 990, work), (std::vector<LONG>{869, 532, 1280, 1000}));  // right and bottom
    EXPECT_EQ(Placed(50, 20, work), (std::vector<LONG>{0, 0, 411, 468}));          // left and top
    // A work area smaller than the dialog shows its top-left corner.
    EXPECT_EQ(Placed(300, 300, RECT{10, 20, 310, 320}), (std::vector<LONG>{10, 20, 421, 488}));
}

}  // namespace
