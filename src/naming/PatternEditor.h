// The logic of the "File Creation" pattern editor, which the editor shares
// with the suite's converter: the history of the last ten patterns (kept
// under the converter's setting names), the characters a typed pattern may
// not hold, and the example line.
#pragma once

#include "core/TrackRecord.h"

#include <string>
#include <vector>

namespace vuv {

constexpr int kPatternHistorySize = 10;

// "RdlLastFileCreation<number>", number 0..9.
std::string PatternHistoryName(int number);

// The history, most recent first: the values from number 0 up to the first
// number that has none.
std::vector<std::string> PatternHistory();

// Puts a display-form pattern at the head of the history: an equal entry
// is taken out first (later ones move down one number), every entry moves
// up one number (the tenth is dropped), and the pattern becomes number 0.
// An empty pattern changes nothing.
void RememberPattern(const std::string& pattern);

// Removes from a typed pattern every character that no file name may hold
// ('/', ':', '*', '?', '"', '<', '>', '|'; the '\' stays as the folder
// separator). Whether any was removed.
bool RemoveForbiddenCharacters(std::string& pattern);

// The track the example line is built for: Corvina, "Rain", "Erotica",
// track 10, 1992, 5:24, no path.
TrackRecord PatternSampleTrack();

// The path the display-form pattern gives the sample track (genre "Pop").
// Draws a unique number when the pattern holds "[unique]".
std::string SamplePathFor(const std::string& displayPattern);
// "Example: " and SamplePathFor the pattern: the editor's example line.
std::string PatternExample(const std::string& displayPattern);

}  // namespace vuv
