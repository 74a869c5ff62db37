// The random selector: a set of tracks drawn as random play draws them,
// either a number of tracks or tracks up to a total playing time, marked
// with user highlight #4 for the window to select. Plain data in, results
// out: the dialog and vuvtool draw through the same function.
#pragma once

#include "core/TrackRecord.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vuv {

// Settings of the dialog (32-bit numbers).
constexpr const char* kRandomSelByCountSetting = "VUVRandomSel";     // non-zero (-1): by number; 0: by length
constexpr const char* kRandomSelTracksSetting = "VUVRandomTracks";   // 0 reads as 50
constexpr const char* kRandomSelMinutesSetting = "VUVRandomLength";  // 0 reads as 60
constexpr uint32_t kDefaultRandomTracks = 50;
constexpr uint32_t kDefaultRandomMinutes = 60;

// A turn makes up to this many draws to find a track it may mark, and the
// run ends after this many turns whatever it found.
constexpr int kRandomSelectorAttempts = 10;
constexpr uint32_t kRandomSelectorMaxTurns = 32000;

struct RandomSelectorRequest {
    bool byCount = true;
    uint32_t tracks = kDefaultRandomTracks;    // by number: at most this many tracks
    uint32_t minutes = kDefaultRandomMinutes;  // by length: a total below this
};

// One draw: the path of a track, or false when there is nothing to draw.
using TrackPathDraw = std::function<bool(std::string& path)>;

// Clears highlight #4 on every track, then marks drawn tracks with it
// (SetHighlight, so a marked track keeps no other highlight): by number,
// up to `tracks` turns; by length, until the next drawn track would bring
// the total to `minutes` or beyond. A drawn path names the first track
// whose path is the same byte for byte; a path that names none, or a
// track already marked, takes the turn's next draw. The indexes marked,
// in the order they were drawn.
std::vector<size_t> SelectRandomTracks(TrackRecord* const* tracks, size_t count, const RandomSelectorRequest& request,
                                       const TrackPathDraw& draw);

// "Calculate" of the dialog's length calculator: the minutes that `mb`
// megabytes hold at `kbps`; 0 when either is 0 (the box is then left as it
// is).
uint32_t MinutesForStorage(uint32_t mb, uint32_t kbps);

}  // namespace vuv
