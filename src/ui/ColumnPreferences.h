// The column rows of the preferences dialog: one row per column type, in
// type order, whose value is the 1-based list position of that type (0 when
// it is not shown), and the column order the typed positions give.
#pragma once

#include "ui/TrackColumns.h"

#include <array>
#include <string>
#include <tuple>

namespace vuv {

constexpr int kColumnRows = int(std::tuple_size<ColumnOrder>::value);

// The row's name: the column's header, "[Icon]" for the mark column.
std::string ColumnRowName(int type);

// Per column type, the position (from 1) at which `order` shows it, or 0.
std::array<int, kColumnRows> ShownPositions(const ColumnOrder& order);

// The order the typed positions give (each read as strtol reads it, so a
// text that is no number is 0). Position by position, the row with the
// smallest value is taken, 0 counting as 1000, the first row winning a
// tie, rows already taken or typed negative left out; a row of 0 leaves
// the position empty (-1), and a position for which no row is left keeps
// its entry of `previous`. So the positions only order the columns: gaps
// and repeats are allowed, and every row of 0 falls behind the shown ones.
ColumnOrder OrderFromPositions(const ColumnOrder& previous, const std::array<std::string, kColumnRows>& typed);

}  // namespace vuv
