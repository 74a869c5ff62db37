#include "platform/Random.h"

#include <gtest/gtest.h>

#include <set>

using namespace vuv;

// Known answers, worked out apart from the program: a change of the
// generator's constants, of its scaling or an overflow in its arithmetic
// (the largest state) changes them.
TEST(Random, KnownAnswers)
{
    SeedRandom(1234567);
    EXPECT_EQ(RandomBelow(65520), 23508);
    EXPECT_EQ(RandomBelow(65520), 52416);
    EXPECT_EQ(RandomState(), 80001069u);
    SeedRandom(99999999);
    EXPECT_EQ(RandomBelow(65520), 44933);
    EXPECT_EQ(RandomState(), 68584180u);
}

TEST(Random, RangesAreCoveredAndBounded)
{
    SeedRandom(42);
    std::set<int32_t> seen;
    for (int i = 0; i < 100000; ++i) {
        ASSERT_EQ(RandomBelow(1), 0);
        const int32_t small = RandomBelow(10), large = RandomBelow(214748);
        ASSERT_TRUE(small >= 0 && small < 10 && large >= 0 && large < 214748) << small << " " << large;
        seen.insert(small);
    }
    EXPECT_EQ(seen.size(), 10u);
}
