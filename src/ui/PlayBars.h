// The play position and volume bars of the play control panel, as
// arithmetic: where the knob stands, and what a press or drag at a client x
// sets. Positions are client pixels; the bars lie at y = splitter + 11.
#pragma once

namespace vuv {

constexpr int kPositionBarLeft = 339;
constexpr int kPositionBarTravel = 115;  // the knob moves over 339..454
constexpr int kVolumeBarLeft = 495;
constexpr int kVolumeBarWidth = 72;      // pixels for 100 %
constexpr int kBarHeight = 19;           // presses count in [s + 11, s + 30)

// Percent played (0..100) of `elapsed` of `length` (any unit); 0 for a
// length of 0.
int PlayedPercent(long long elapsed, long long length);
// Left edge of a knob `knobWidth` wide for `percent`, kept on the bar.
int KnobX(int percent, int knobWidth);

// Which bar a press at (x, y) starts dragging.
enum class BarHit { None, Position, Volume };
BarHit BarAt(int x, int y, int splitter);

// The value a press or drag at client x sets.
int PositionPercentAt(int x);  // 0..100
int VolumeAt(int x);           // 0..100

}  // namespace vuv
