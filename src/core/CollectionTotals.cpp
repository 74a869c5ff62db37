#include "core/CollectionTotals.h"

#include "core/CollectionStore.h"

#include <cstdio>

namespace vuv {

uint64_t TotalSeconds(const CollectionStore& store)
{
    uint64_t total = 0;
    for (size_t i = 0; i < store.Count(); ++i)
        total += store.Track(i).lengthMs / 1000;
    return total;
}

uint64_t TotalFileSize(const CollectionStore& store)
{
    uint64_t total = 0;
    for (size_t i = 0; i < store.Count(); ++i)
        total += store.Track(i).fileSize;
    return total;
}

std::string TotalLengthText(uint64_t totalSeconds)
{
    const unsigned long long hours = totalSeconds / 3600;
    const unsigned long long minutes = (totalSeconds - 3600 * hours) / 60;
    const unsigned long long seconds = totalSeconds - 3600 * hours - 60 * minutes;
    char text[64];
    if (hours)
        snprintf(text, sizeof text, "%llu hours %01llu minutes", hours, minutes);
    else if (minutes)
        snprintf(text, sizeof text, "%llu minutes %01llu seconds", minutes, seconds);
    else
        snprintf(text, sizeof text, "%llu seconds", seconds);
    return text;
}

}  // namespace vuv
