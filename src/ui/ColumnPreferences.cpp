#include "ui/ColumnPreferences.h"

#include <cstdlib>

namespace vuv {
namespace {

constexpr long kHiddenRank = 1000;  // where a row of 0 ranks
constexpr long kTaken = -1;

}  // namespace

std::string ColumnRowName(int type)
{
    const char* header = ColumnInfo(type).header;
    return header[0] ? header : "[Icon]";
}

std::array<int, kColumnRows> ShownPositions(const ColumnOrder& order)
{
    std::array<int, kColumnRows> positions{};
    const int filled = FilledColumnCount(order);
    for (int p = filled - 1; p >= 0; --p)
        positions[size_t(order[size_t(p)])] = p + 1;  // the first position wins for a repeated type
    return positions;
}

ColumnOrder OrderFromPositions(const ColumnOrder& previous, const std::array<std::string, kColumnRows>& typed)
{
    std::array<long, kColumnRows> values{};
    for (int row = 0; row < kColumnRows; ++row)
        values[size_t(row)] = strtol(typed[size_t(row)].c_str(), nullptr, 10);
    ColumnOrder order = previous;
    for (int p = 0; p < kColumnRows; ++p) {
        int best = -1;
        long bestRank = 0;
        for (int row = 0; row < kColumnRows; ++row) {
            const long value = values[size_t(row)];
            if (value < 0)
                continue;
            const long rank = value == 0 ? kHiddenRank : value;
            if (best < 0 || rank < bestRank) {
                best = row;
                bestRank = rank;
            }
        }
        if (best < 0)
            continue;
        order[size_t(p)] = bestRank == kHiddenRank ? -1 : best;
        values[size_t(best)] = kTaken;
    }
    return order;
}

}  // namespace vuv
