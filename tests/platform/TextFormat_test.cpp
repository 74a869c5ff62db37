#include "platform/TextFormat.h"

#include <gtest/gtest.h>

using namespace vuv;

TEST(TextFormat, SizeTextStepsAndDecimalTextTruncates)
{
    const uint64_t gb = 1073741824ull;
    EXPECT_EQ(SizeText(0) + "|" + SizeText(1023) + "|" + SizeText(1024) + "|" + SizeText(1536) + "|" +
                  SizeText(1048575) + "|" + SizeText(1048576) + "|" + SizeText(5u * 1048576 + 524288) + "|" +
                  SizeText(gb) + "|" + SizeText(gb * 300 + gb / 4),
              "0 bytes|1023 bytes|1.00 KB|1.50 KB|1023.99 KB|1.00 MB|5.50 MB|1.00 GB|300.25 GB");
    EXPECT_EQ(DecimalText(0.0f, 2) + "|" + DecimalText(1.5f, 2) + "|" + DecimalText(1.999f, 2) + "|" +
                  DecimalText(123.0f, 1) + "|" + DecimalText(7.0f, 0),
              "0|1.50|1.99|123.0|7");
}
