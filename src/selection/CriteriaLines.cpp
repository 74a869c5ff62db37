#include "selection/CriteriaLines.h"

#include "core/SortKeys.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace vuv {
namespace {

constexpr int kFirstOfferedYear = 1995;

void SortAlphabetically(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int folded = CompareTextIgnoringCase(a.c_str(), b.c_str());
        return folded != 0 ? folded < 0 : a < b;
    });
}

}  // namespace

CriteriaLines MakeCriteriaLines(std::vector<std::string> artists, std::vector<std::string> genres)
{
    SortAlphabetically(artists);
    SortAlphabetically(genres);
    CriteriaLines lines;
    for (std::string& name : artists)
        lines.artists.push_back({std::move(name), true});
    for (std::string& name : genres)
        lines.genres.push_back({std::move(name), GenreChoice::Include});
    return lines;
}

void ResetCriteriaLines(CriteriaLines& lines)
{
    for (ArtistLine& line : lines.artists)
        line.ticked = true;
    for (GenreLine& line : lines.genres)
        line.choice = GenreChoice::Include;
    lines.stars = 0;
    lines.firstYear.clear();
    lines.lastYear.clear();
}

void ShowCriteria(CriteriaLines& lines, const SelectiveCriteria& criteria)
{
    ResetCriteriaLines(lines);
    const std::unordered_set<std::string> unticked(criteria.untickedArtists.begin(),
                                                   criteria.untickedArtists.end());
    for (ArtistLine& line : lines.artists)
        if (unticked.count(line.name))
            line.ticked = false;
    const std::unordered_map<std::string, GenreChoice> choices(criteria.genres.begin(), criteria.genres.end());
    for (GenreLine& line : lines.genres) {
        const auto found = choices.find(line.name);
        if (found != choices.end())
            line.choice = found->second;
    }
    lines.stars = std::min<uint32_t>(criteria.minPreference, 9);
    lines.firstYear = criteria.firstYear ? std::to_string(criteria.firstYear) : std::string();
    lines.lastYear = criteria.lastYear ? std::to_string(criteria.lastYear) : std::string();
}

SelectiveCriteria CriteriaFromLines(const CriteriaLines& lines)
{
    SelectiveCriteria criteria;
    for (const ArtistLine& line : lines.artists)
        if (!line.ticked)
            criteria.untickedArtists.push_back(line.name);
    for (const GenreLine& line : lines.genres)
        if (line.choice != GenreChoice::Include)
            criteria.genres.emplace_back(line.name, line.choice);
    criteria.minPreference = lines.stars;
    criteria.firstYear = YearFromText(lines.firstYear);
    criteria.lastYear = YearFromText(lines.lastYear);
    return criteria;
}

GenreChoice NextGenreChoice(GenreChoice choice)
{
    switch (choice) {
    case GenreChoice::Include:
        return GenreChoice::Exclude;
    case GenreChoice::Exclude:
        return GenreChoice::Indeterminate;
    default:
        return GenreChoice::Include;
    }
}

uint32_t YearFromText(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return 0;
    const size_t last = text.find_last_not_of(' ');
    const std::string digits = text.substr(first, last - first + 1);
    if (digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return uint32_t(std::stoul(digits));
}

std::vector<std::string> YearChoices(int currentYear)
{
    std::vector<std::string> years;
    for (int year = currentYear; year >= kFirstOfferedYear; --year)
        years.push_back(std::to_string(year));
    return years;
}

}  // namespace vuv
