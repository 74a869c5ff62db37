#include "platform/Random.h"

#include <gtest/gtest.h>

#include <set>

using namespace vuv;

TEST(Random, KnownSequenceFromSeed)
{
    // state' = (state * 31415821 + 1) mod 1e8; result = (state'/10000 * range)/10000.
    SeedRandom(1234567);
    uint64_t s = 1234567;
    for (int i = 0; i < 1000; ++i) {
        s = (s * 31415821 + 1) % 100000000;
        int32_t expected = int32_t(((s / 10000) * 65520) / 10000);
        ASSERT_EQ(RandomBelow(65520), expected) << "draw " << i;
        ASSERT_EQ(RandomState(), s);
    }
}

TEST(Random, RangesAreCoveredAndBounded)
{
    SeedRandom(42);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(RandomBelow(1), 0);
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        int32_t v = RandomBelow(10);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 10);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 10u);
    for (int i = 0; i < 100000; ++i) {
        int32_t v = RandomBelow(214748);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 214748);
    }
}
