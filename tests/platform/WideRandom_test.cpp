#include "platform/WideRandom.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vuv;

TEST(WideRandom, SmallRangesDrawExactlyAsRandomBelow)
{
    for (uint32_t range : {1u, 2u, 7u, 648u, 9999u, 10000u}) {
        SeedRandom(4711);
        std::vector<int32_t> plain;
        for (int i = 0; i < 200; ++i)
            plain.push_back(RandomBelow(int32_t(range)));
        SeedRandom(4711);
        for (int i = 0; i < 200; ++i)
            ASSERT_EQ(int32_t(RandomIndexBelow(range)), plain[i]) << "range " << range;
    }
    EXPECT_EQ(RandomIndexBelow(0), 0u);
}

// Every generator state as the starting point: the union of the results is
// every index, which RandomBelow alone cannot give above 10,000.
TEST(WideRandom, EveryIndexReachableAboveTenThousand)
{
    const uint32_t count = 123457;  // a partial last block as well
    std::vector<bool> reached(count, false);
    uint32_t distinct = 0;
    for (uint32_t state = 0; state < 100000000 && distinct < count; ++state) {
        SeedRandom(state);
        const uint32_t v = RandomIndexBelow(count);
        ASSERT_LT(v, count);
        if (!reached[v]) {
            reached[v] = true;
            ++distinct;
        }
    }
    EXPECT_EQ(distinct, count);
}
