#include "ui/TrackListRules.h"

#include "platform/TextFormat.h"

#include <algorithm>
#include <cstdio>

namespace vuv {

std::string SelectionText(int count, uint32_t totalSeconds, uint64_t totalBytes)
{
    const uint32_t hours = totalSeconds / 3600;
    const uint32_t minutes = (totalSeconds - hours * 3600) / 60;
    const uint32_t seconds = totalSeconds - hours * 3600 - minutes * 60;
    const std::string size = SizeText(totalBytes);
    char text[160];
    if (hours != 0)
        std::snprintf(text, sizeof text, "%d Tracks Selected - Time: %d:%02d.%02d  Size: %s", count, int(hours),
                      int(minutes), int(seconds), size.c_str());
    else if (minutes != 0)
        std::snprintf(text, sizeof text, "%d Tracks Selected - Time: %d.%02d  Size: %s", count, int(minutes),
                      int(seconds), size.c_str());
    else
        std::snprintf(text, sizeof text, "%d Tracks Selected - Time: %d seconds  Size: %s", count, int(seconds),
                      size.c_str());
    return text;
}

int PreferenceFromClick(int x, int starWidth)
{
    if (starWidth <= 0)
        return 0;
    if (x + 2 > starWidth)
        x = starWidth - 2;
    return std::clamp((x + 2) * 10 / starWidth - 1, 0, 9);
}

int VolumeBoostFromClick(int x, int barWidth)
{
    if (x < 14 || barWidth <= 0)
        return 4000;
    int v = std::min(x - 14, barWidth) * 1000 / barWidth - 1;
    v = std::clamp(v, 1, 1000);
    if (v >= 451 && v <= 499)
        v = 500;
    return v;
}

std::string StatusText(int selectedCount, int activeCount, int trackCount)
{
    char text[96];
    if (selectedCount >= 2)
        std::snprintf(text, sizeof text, "%d Tracks Selected", selectedCount);
    else if (activeCount != 0)
        std::snprintf(text, sizeof text, "%d Active of %d Tracks", activeCount, trackCount);
    else
        std::snprintf(text, sizeof text, "%d Tracks Loaded", trackCount);
    return text;
}

WheelScroll WheelScrollFor(int delta)
{
    if (delta > 0)
        return {(delta + 119) / 120, -16};
    if (delta < 0)
        return {(119 - delta) / 120, 16};
    return {0, 0};
}

}  // namespace vuv
