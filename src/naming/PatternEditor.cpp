#include "naming/PatternEditor.h"

#include "naming/FilenamePattern.h"
#include "platform/Settings.h"

#include <cstring>

namespace vuv {

std::string PatternHistoryName(int number) { return "RdlLastFileCreation" + std::to_string(number); }

std::vector<std::string> PatternHistory()
{
    std::vector<std::string> history;
    for (int i = 0; i < kPatternHistorySize && ValueExists(PatternHistoryName(i).c_str()); ++i)
        history.push_back(GetText(PatternHistoryName(i).c_str()));
    return history;
}

void RememberPattern(const std::string& pattern)
{
    if (pattern.empty())
        return;
    auto exists = [](int i) { return ValueExists(PatternHistoryName(i).c_str()); };
    auto get = [](int i) { return GetText(PatternHistoryName(i).c_str()); };
    auto set = [](int i, const std::string& text) { SetText(text.c_str(), PatternHistoryName(i).c_str()); };
    for (int i = 0; i < kPatternHistorySize; ++i) {
        if (!exists(i) || get(i) != pattern)
            continue;
        int last = i;
        for (; last + 1 < kPatternHistorySize && exists(last + 1); ++last)
            set(last, get(last + 1));
        DeleteValue(PatternHistoryName(last).c_str());
    }
    for (int i = kPatternHistorySize - 2; i >= 0; --i)
        if (exists(i))
            set(i + 1, get(i));
    set(0, pattern);
}

bool RemoveForbiddenCharacters(std::string& pattern)
{
    const size_t before = pattern.size();
    std::string kept;
    kept.reserve(before);
    for (char c : pattern)
        if (!strchr("/:*?\"<>|", c) || c == '\0')
            kept += c;
    pattern.swap(kept);
    return pattern.size() != before;
}

TrackRecord PatternSampleTrack()
{
    TrackRecord track;
    memset(&track, 0, sizeof track);
    SetField(track.artist, "Corvina");
    SetField(track.title, "Rain");
    SetField(track.album, "Erotica");
    track.trackNumber = 10;
    track.year = 1992;
    track.lengthMs = 324000;
    return track;
}

std::string SamplePathFor(const std::string& displayPattern)
{
    static const TrackRecord sample = PatternSampleTrack();
    return BuildPathFromPattern(DisplayToStored(displayPattern), sample, "Pop");
}

std::string PatternExample(const std::string& displayPattern) { return "Example: " + SamplePathFor(displayPattern); }

}  // namespace vuv
