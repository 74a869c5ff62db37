#include "ui/ColumnPreferences.h"

#include <gtest/gtest.h>

using namespace vuv;

namespace {

// The shown column types for typed positions (every row 0 but the given).
std::vector<int> Shown(std::initializer_list<std::pair<int, const char*>> rows, ColumnOrder previous = DefaultColumnOrder())
{
    std::array<std::string, kColumnRows> typed;
    typed.fill("0");
    for (const auto& row : rows)
        typed[size_t(row.first)] = row.second;
    const ColumnOrder order = OrderFromPositions(previous, typed);
    return std::vector<int>(order.begin(), order.begin() + FilledColumnCount(order));
}

}  // namespace

TEST(ColumnPreferences, TypedPositionsOrderTheColumns)
{
    // Two rows at 3 keep type order; gaps do not matter; "7x" reads as 7,
    // a text that is no number as 0 (hidden).
    EXPECT_EQ(Shown({{5, "3"}, {4, "3"}, {9, "10"}, {3, "7x"}, {0, "x"}}), (std::vector<int>{4, 5, 3, 9}));
    // A negative position takes the row out: with every other row shown,
    // the last position keeps what it held before.
    std::array<std::string, kColumnRows> typed;
    for (int row = 0; row < kColumnRows; ++row)
        typed[size_t(row)] = std::to_string(row ? row : -1);
    ColumnOrder previous = DefaultColumnOrder();
    previous[kColumnRows - 1] = 12;
    EXPECT_EQ(OrderFromPositions(previous, typed)[kColumnRows - 1], 12);

    // The rows show the positions: 0 behind the first empty position.
    ColumnOrder order = DefaultColumnOrder();
    order[0] = 2, order[1] = 1, order[2] = -1;
    const auto positions = ShownPositions(order);
    EXPECT_EQ(std::vector<int>(positions.begin(), positions.begin() + 4), (std::vector<int>{0, 2, 1, 0}));
}
