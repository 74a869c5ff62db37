#include "ui/TooltipManager.h"

#include <gtest/gtest.h>

using vuv::PlaceTip;
using vuv::TipBox;

TEST(TooltipManager, TipPlacement)
{
    const RECT desktop{0, 0, 1280, 1024};
    // Above the pointer, 6 wider and 4 higher than the text.
    TipBox box = PlaceTip(POINT{400, 500}, SIZE{60, 12}, desktop);
    EXPECT_EQ(box.x, 400);
    EXPECT_EQ(box.width, 66);
    EXPECT_EQ(box.height, 16);
    EXPECT_EQ(box.y, 500 - 16 - 10);
    // A button at the top of the screen: the tip goes to y = 32.
    box = PlaceTip(POINT{400, 20}, SIZE{60, 12}, desktop);
    EXPECT_EQ(box.y, 32);
    // Kept inside the desktop on the right.
    box = PlaceTip(POINT{1270, 500}, SIZE{60, 12}, desktop);
    EXPECT_EQ(box.x, 1280 - 66);
    // A negative x (pointer on a monitor to the left) becomes 0.
    box = PlaceTip(POINT{-40, 500}, SIZE{60, 12}, desktop);
    EXPECT_EQ(box.x, 0);
}
