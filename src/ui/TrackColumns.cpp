#include "ui/TrackColumns.h"

#include "platform/Settings.h"

#include <cstdio>

namespace vuv {

namespace {

const ColumnTypeInfo kColumns[kSortKeyCount] = {
    {"", 20, false},
    {"Artist", 143, false},
    {"Track", 254, false},
    {"Genre", 100, false},
    {"Preference", 85, false},
    {"Length (m:ss)", 75, true},
    {"Album", 100, false},
    {"Track Number", 85, true},
    {"kbps", 50, true},
    {"kHz", 50, true},
    {"Size", 60, true},
    {"Type", 180, false},
    {"Channels", 60, true},
    {"Volume Boost", 100, false},
    {"Year", 50, true},
    {"Filename", 500, false},
    {"Played", 50, true},
    {"Date Added", 100, false},
};

std::string Numbered(const char* format, int n)
{
    char name[32];
    std::snprintf(name, sizeof name, format, n);
    return name;
}

}  // namespace

const ColumnTypeInfo& ColumnInfo(int type) { return kColumns[type]; }

ColumnOrder DefaultColumnOrder()
{
    ColumnOrder order{};
    for (int p = 0; p < kSortKeyCount; ++p)
        order[p] = p;
    return order;
}

int FilledColumnCount(const ColumnOrder& order)
{
    int n = 0;
    while (n < kSortKeyCount && order[n] >= 0 && order[n] < kSortKeyCount)
        ++n;
    return n;
}

ColumnOrder LoadColumnOrder()
{
    ColumnOrder stored{};
    bool any = false;
    for (int p = 0; p < kSortKeyCount; ++p) {
        stored[p] = int(GetNumber(Numbered("VUV-ColumnOdr%d", p).c_str()));
        any = any || stored[p] != 0;
    }
    return any ? stored : DefaultColumnOrder();
}

int LoadColumnWidth(int type)
{
    int width = int(GetNumber(Numbered("VUV-ColumnW%d", type).c_str()));
    return width != 0 ? width : kColumns[type].defaultWidth;
}

void SaveColumnSettings(const ColumnOrder& order, const std::function<int(int position)>& widthAt)
{
    int filled = FilledColumnCount(order);
    for (int p = 0; p < kSortKeyCount; ++p) {
        SetNumber(uint32_t(order[p]), Numbered("VUV-ColumnOdr%d", p).c_str());
        if (p < filled)
            SetNumber(uint32_t(widthAt(p)), Numbered("VUV-ColumnW%d", order[p]).c_str());
    }
}

}  // namespace vuv
