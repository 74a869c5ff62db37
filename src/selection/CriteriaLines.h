// The selective play dialog's state without its window: one line per artist
// (ticked or not) and per genre (include, exclude or indeterminate), the
// star value and the texts of the two year boxes, and how they turn into
// criteria and back.
#pragma once

#include "selection/SelectiveCriteria.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

struct ArtistLine {
    std::string name;
    bool ticked = true;
};

struct GenreLine {
    std::string name;
    GenreChoice choice = GenreChoice::Include;
};

struct CriteriaLines {
    std::vector<ArtistLine> artists;  // alphabetical
    std::vector<GenreLine> genres;    // alphabetical
    uint32_t stars = 0;               // 0..9, the preference scale; 0 = no star criterion
    std::string firstYear;            // the year boxes as typed
    std::string lastYear;
};

// Lines for the names, sorted alphabetically (ignoring case, then byte
// order), every artist ticked and every genre included; no stars, no years.
CriteriaLines MakeCriteriaLines(std::vector<std::string> artists, std::vector<std::string> genres);

// Every line back to ticked or included, no stars, empty year boxes.
void ResetCriteriaLines(CriteriaLines& lines);

// Resets the lines, then takes the criteria as the dialog reads a criteria
// file: an artist named (byte for byte) among the unticked ones is
// unticked, a genre takes its listed choice, the stars their value (cut to
// 9), and a year of 0 leaves its box empty.
void ShowCriteria(CriteriaLines& lines, const SelectiveCriteria& criteria);

// The criteria the lines hold: unticked artists and genres that are not
// included in list order, the stars, and the years (a box whose text is not
// a number counts as 0).
SelectiveCriteria CriteriaFromLines(const CriteriaLines& lines);

// Include, then exclude, then indeterminate, then include again.
GenreChoice NextGenreChoice(GenreChoice choice);

// The year a box's text gives: up to five decimal digits (spaces around
// allowed), or 0 when it is not such a number.
uint32_t YearFromText(const std::string& text);

// The years the boxes offer: from `currentYear` down to 1995 (none before
// 1995).
std::vector<std::string> YearChoices(int currentYear);

}  // namespace vuv
