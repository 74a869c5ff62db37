#include "core/PathKey.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(PathKey, EqualPathsHashAlike)
{
    PathSet set;
    const char* a = "C:\\Music\\Abc.MP3";
    set.insert(a);
    EXPECT_EQ(set.count("c:\\music\\aBC.mp3"), 1u);
    EXPECT_EQ(set.count("c:\\music\\abc.mp4"), 0u);
    // Every pair of bytes that SamePath folds together hashes alike.
    for (int x = 1; x < 256; ++x) {
        for (int y = 1; y < 256; ++y) {
            const char a1[] = {'C', ':', char(x), 0}, b1[] = {'c', ':', char(y), 0};
            if (SamePath(a1, b1)) {
                ASSERT_EQ(PathKeyHash()(a1), PathKeyHash()(b1)) << x << " " << y;
            }
        }
    }
}
