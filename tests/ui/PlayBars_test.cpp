#include "ui/PlayBars.h"

#include <gtest/gtest.h>

using namespace vuv;

// The knob stays on its bar and follows the percentage, whatever the
// arithmetic. (Presses on the bars are driven through the main window's
// end-to-end test.)
TEST(PlayBars, KnobStaysOnItsBar)
{
    for (int p = 0, last = 0; p <= 100; ++p) {
        const int x = KnobX(p, 9);
        ASSERT_TRUE(x >= kPositionBarLeft && x + 9 <= kPositionBarLeft + kPositionBarTravel && x >= last) << p;
        last = x;
    }
}
