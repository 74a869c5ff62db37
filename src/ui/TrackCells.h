// The texts of the track list's cells, and how a text is cut to its
// column. Pure functions of a record: the list draws them on demand and
// keeps nothing.
#pragma once

#include "core/TrackRecord.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vuv {

// "%d:%02d" minutes and seconds (59,999 ms gives "0:59").
std::string LengthText(uint32_t lengthMs);
// "%dKB" of size / 1024 + 1, "0KB" for an empty file.
std::string SizeCellText(uint32_t fileSize);

// The text of a text column (types 1-3, 5-12, 14-17); the mark, preference
// and volume boost columns are images and give "". `genreText` and
// `typeText` are the track's joined genre names and file type text, which
// the caller looks up (and may cache).
std::string CellText(const TrackRecord& track, int columnType, const std::string& genreText,
                     const std::string& typeText);

// A cell text of exactly "0" is left empty (unknown year, track 0, ...).
inline bool CellTextShown(const std::string& text) { return text != "0"; }

// The text as it fits into `maxWidth` pixels by `measure`: whole when it
// fits; otherwise cut one character at a time until the rest plus "..."
// fits; empty when not even "..." alone fits.
std::string FitCellText(const std::string& text, int maxWidth, const std::function<int(const std::string&)>& measure);

}  // namespace vuv
