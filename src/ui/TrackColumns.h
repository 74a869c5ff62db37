// The track list's columns: a column's type is its sort key (SortKey, 0 to
// 17), and `ColumnOrder` says which type stands at which list position,
// with the settings that keep the order and the widths between runs.
#pragma once

#include "core/SortKeys.h"

#include <array>
#include <functional>

namespace vuv {

struct ColumnTypeInfo {
    const char* header;  // "" for the mark column
    int defaultWidth;    // pixels
    bool rightAligned;
};

// The type's header, default width and alignment; `type` must be 0..17.
const ColumnTypeInfo& ColumnInfo(int type);

// Entry p is the column type at list position p; -1 marks an empty
// position, and every position after the first empty one counts as empty.
using ColumnOrder = std::array<int, kSortKeyCount>;

ColumnOrder DefaultColumnOrder();  // 0, 1, ..., 17
// The number of filled positions (up to the first -1 or a bad entry).
int FilledColumnCount(const ColumnOrder& order);

// "VUV-ColumnOdr%d" for positions 0..17: when any is non-zero all 18 are
// taken, otherwise the default order stands.
ColumnOrder LoadColumnOrder();
// "VUV-ColumnW%d" of the type, or its default width when 0 or absent.
int LoadColumnWidth(int type);
// Writes the order and, for each filled position, the width of the column
// there (given by `widthAt(position)`) under its type.
void SaveColumnSettings(const ColumnOrder& order, const std::function<int(int position)>& widthAt);

}  // namespace vuv
