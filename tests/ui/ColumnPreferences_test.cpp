#include "ui/ColumnPreferences.h"

#include <gtest/gtest.h>

using namespace vuv;

namespace {

// The typed positions: every row 0 except the given ones.
std::array<std::string, kColumnRows> Typed(std::initializer_list<std::pair<int, const char*>> rows)
{
    std::array<std::string, kColumnRows> typed;
    typed.fill("0");
    for (const auto& row : rows)
        typed[size_t(row.first)] = row.second;
    return typed;
}

// The shown column types, up to the first empty position.
std::vector<int> Shown(const ColumnOrder& order)
{
    return std::vector<int>(order.begin(), order.begin() + FilledColumnCount(order));
}

}  // namespace

TEST(ColumnPreferences, RowsShowThePositions)
{
    EXPECT_EQ(ColumnRowName(0), "[Icon]");
    EXPECT_EQ(ColumnRowName(5), "Length (m:ss)");
    ColumnOrder order = DefaultColumnOrder();
    order[0] = 2, order[1] = 1, order[2] = -1;
    const auto positions = ShownPositions(order);
    EXPECT_EQ(positions[2], 1);
    EXPECT_EQ(positions[1], 2);
    EXPECT_EQ(positions[0], 0);  // behind the first empty position: not shown
    EXPECT_EQ(positions[3], 0);
    const auto all = ShownPositions(DefaultColumnOrder());
    for (int type = 0; type < kColumnRows; ++type)
        EXPECT_EQ(all[size_t(type)], type + 1);
}

TEST(ColumnPreferences, TypedPositionsOrderTheColumns)
{
    const ColumnOrder old = DefaultColumnOrder();
    // "Artist" 2 and "Track" 1: Track, Artist and nothing else.
    EXPECT_EQ(Shown(OrderFromPositions(old, Typed({{1, "2"}, {2, "1"}}))), (std::vector<int>{2, 1}));
    // Two rows at 3 keep type order; gaps do not matter.
    EXPECT_EQ(Shown(OrderFromPositions(old, Typed({{5, "3"}, {4, "3"}, {9, "10"}}))), (std::vector<int>{4, 5, 9}));
    // Not a number reads as 0 (hidden); "7x" as 7.
    EXPECT_EQ(Shown(OrderFromPositions(old, Typed({{0, "x"}, {3, "7x"}}))), (std::vector<int>{3}));
    // A negative position takes the row out: the last position keeps what
    // it held before.
    std::array<std::string, kColumnRows> all;
    for (int type = 0; type < kColumnRows; ++type)
        all[size_t(type)] = std::to_string(kColumnRows - type);
    all[0] = "-1";
    ColumnOrder previous = old;
    previous[kColumnRows - 1] = 12;
    const ColumnOrder order = OrderFromPositions(previous, all);
    EXPECT_EQ(order[0], 17);
    EXPECT_EQ(order[16], 1);
    EXPECT_EQ(order[17], 12);
}
