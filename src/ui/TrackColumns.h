// The track list's 18 column types (also the sort keys) and `ColumnOrder`,
// which column type stands at which list position, with the settings that
// keep the order and the widths between runs.
#pragma once

#include <array>
#include <functional>

namespace vuv {

constexpr int kColumnTypeCount = 18;

enum ColumnType : int {
    kColumnMark = 0,
    kColumnArtist = 1,
    kColumnTitle = 2,
    kColumnGenre = 3,
    kColumnPreference = 4,
    kColumnLength = 5,
    kColumnAlbum = 6,
    kColumnTrackNumber = 7,
    kColumnKbps = 8,
    kColumnKhz = 9,
    kColumnSize = 10,
    kColumnType = 11,
    kColumnChannels = 12,
    kColumnVolumeBoost = 13,
    kColumnYear = 14,
    kColumnFilename = 15,
    kColumnPlayed = 16,
    kColumnDateAdded = 17,
};

struct ColumnTypeInfo {
    const char* header;  // "" for the mark column
    int defaultWidth;    // pixels
    bool rightAligned;
};

// The type's header, default width and alignment; `type` must be 0..17.
const ColumnTypeInfo& ColumnInfo(int type);

// Entry p is the column type at list position p; -1 marks an empty
// position, and every position after the first empty one counts as empty.
using ColumnOrder = std::array<int, kColumnTypeCount>;

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
