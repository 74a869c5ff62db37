// Rules of the track list that are plain arithmetic: the selection text,
// the values set by clicks into the Preference and Volume Boost cells, the
// status line and the mouse wheel.
#pragma once

#include <cstdint>
#include <string>

namespace vuv {

// "%d Tracks Selected - Time: ..." for `count` rows of `totalSeconds`
// (each track's whole seconds, summed) and `totalBytes`.
std::string SelectionText(int count, uint32_t totalSeconds, uint64_t totalBytes);

// The preference (0..9) for a click `x` pixels into the Preference cell
// whose star strip is `starWidth` pixels wide.
int PreferenceFromClick(int x, int starWidth);

// The volume boost for a click `x` pixels into the Volume Boost cell whose
// bar is `barWidth` pixels wide: 4000 (automatic) left of the bar, else
// 1..1000 with 451..499 snapped to 500 (0 dB).
int VolumeBoostFromClick(int x, int barWidth);

// The status line under the list: "%d Tracks Selected" from 2 selected rows
// on; else "%d Active of %d Tracks" while selective play is active (a
// non-zero active count), else "%d Tracks Loaded".
std::string StatusText(int selectedCount, int activeCount, int trackCount);

// Mouse wheel: the number of 16-pixel scroll steps for a wheel delta and
// their direction (-16 up for a positive delta, +16 down for a negative).
struct WheelScroll {
    int steps;
    int pixelsPerStep;
};
WheelScroll WheelScrollFor(int delta);

}  // namespace vuv
