#include "ui/TrackColumns.h"

#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(TrackColumns, TypesHaveTheirHeadersWidthsAndAlignment)
{
    EXPECT_STREQ(vuv::ColumnInfo(0).header, "");
    EXPECT_EQ(vuv::ColumnInfo(0).defaultWidth, 20);
    EXPECT_STREQ(vuv::ColumnInfo(5).header, "Length (m:ss)");
    EXPECT_TRUE(vuv::ColumnInfo(5).rightAligned);
    EXPECT_STREQ(vuv::ColumnInfo(13).header, "Volume Boost");
    EXPECT_FALSE(vuv::ColumnInfo(13).rightAligned);
    EXPECT_EQ(vuv::ColumnInfo(15).defaultWidth, 500);
    EXPECT_STREQ(vuv::ColumnInfo(17).header, "Date Added");
}

TEST(TrackColumns, OrderComesFromSettingsOnlyWhenAnyIsSet)
{
    vuvtest::ScopedSettingsKey key;
    // Nothing saved: every column in type order, default widths.
    vuv::ColumnOrder order = vuv::LoadColumnOrder();
    EXPECT_EQ(order, vuv::DefaultColumnOrder());
    EXPECT_EQ(vuv::FilledColumnCount(order), 18);
    EXPECT_EQ(vuv::LoadColumnWidth(2), 254);

    // One non-zero entry takes all 18 from the settings; -1 ends the columns.
    vuv::SetNumber(2, "VUV-ColumnOdr0");
    vuv::SetNumber(1, "VUV-ColumnOdr1");
    vuv::SetNumber(uint32_t(-1), "VUV-ColumnOdr2");
    order = vuv::LoadColumnOrder();
    EXPECT_EQ(order[0], 2);
    EXPECT_EQ(order[1], 1);
    EXPECT_EQ(order[2], -1);
    EXPECT_EQ(order[3], 0);  // unset positions read as 0, behind the end
    EXPECT_EQ(vuv::FilledColumnCount(order), 2);
}

TEST(TrackColumns, SavingWritesOrderAndWidthsOfFilledPositions)
{
    vuvtest::ScopedSettingsKey key;
    vuv::ColumnOrder order = vuv::DefaultColumnOrder();
    order[0] = 15;
    order[1] = 1;
    order[2] = -1;
    vuv::SaveColumnSettings(order, [](int position) { return 300 + position; });
    EXPECT_EQ(int(vuv::GetNumber("VUV-ColumnOdr0")), 15);
    EXPECT_EQ(int(vuv::GetNumber("VUV-ColumnOdr2")), -1);
    EXPECT_EQ(vuv::LoadColumnWidth(15), 300);
    EXPECT_EQ(vuv::LoadColumnWidth(1), 301);
    // Types behind the end keep their (default) widths.
    EXPECT_FALSE(vuv::ValueExists("VUV-ColumnW3"));
    EXPECT_EQ(vuv::LoadColumnWidth(3), 100);
    EXPECT_EQ(vuv::LoadColumnOrder(), order);
}
