#include "ui/PlayBars.h"

#include <algorithm>

namespace vuv {

int PlayedPercent(long long elapsed, long long length)
{
    if (length == 0)
        return 0;
    long long percent = elapsed * 100 / length;
    return int(std::clamp(percent, 0LL, 100LL));
}

int KnobX(int percent, int knobWidth)
{
    int x = percent * kPositionBarTravel / 100 - knobWidth / 2 + kPositionBarLeft;
    x = std::max(x, kPositionBarLeft);
    if (x + knobWidth > kPositionBarLeft + kPositionBarTravel)
        x = kPositionBarLeft + kPositionBarTravel - knobWidth;
    return x;
}

BarHit BarAt(int x, int y, int splitter)
{
    if (y < splitter + 11 || y >= splitter + 11 + kBarHeight)
        return BarHit::None;
    if (x >= kPositionBarLeft + 1 && x < kPositionBarLeft + kPositionBarTravel)
        return BarHit::Position;
    if (x >= kVolumeBarLeft + 1 && x < kVolumeBarLeft + kVolumeBarWidth)
        return BarHit::Volume;
    return BarHit::None;
}

int PositionPercentAt(int x)
{
    return std::clamp(x - kPositionBarLeft, 0, kPositionBarTravel) * 100 / kPositionBarTravel;
}

int VolumeAt(int x) { return std::clamp(x - kVolumeBarLeft, 0, kVolumeBarWidth) * 100 / kVolumeBarWidth; }

}  // namespace vuv
