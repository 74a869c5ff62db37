#include "platform/TextFormat.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(TextFormat, SizeTextSteps)
{
    EXPECT_EQ(SizeText(0), "0 bytes");
    EXPECT_EQ(SizeText(1023), "1023 bytes");
    EXPECT_EQ(SizeText(1024), "1.00 KB");
    EXPECT_EQ(SizeText(1536), "1.50 KB");
    EXPECT_EQ(SizeText(1048575), "1023.99 KB");
    EXPECT_EQ(SizeText(1048576), "1.00 MB");
    EXPECT_EQ(SizeText(5u * 1048576 + 524288), "5.50 MB");
    EXPECT_EQ(SizeText(1073741824ull), "1.00 GB");
    EXPECT_EQ(SizeText(1073741824ull * 300 + 1073741824ull / 4), "300.25 GB");
}

TEST(TextFormat, DecimalTextTruncates)
{
    EXPECT_EQ(DecimalText(0.0f, 2), "0");
    EXPECT_EQ(DecimalText(1.5f, 2), "1.50");
    EXPECT_EQ(DecimalText(1.999f, 2), "1.99");
    EXPECT_EQ(DecimalText(123.0f, 1), "123.0");
    EXPECT_EQ(DecimalText(7.0f, 0), "7");
}
