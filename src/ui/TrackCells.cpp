#include "ui/TrackCells.h"

#include "platform/Clock.h"
#include "ui/TrackColumns.h"

#include <cstdio>
#include <cstring>

namespace vuv {

namespace {

std::string Number(long long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld", value);
    return text;
}

}  // namespace

std::string LengthText(uint32_t lengthMs)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", int(lengthMs / 60000), int((lengthMs % 60000) / 1000));
    return text;
}

std::string SizeCellText(uint32_t fileSize)
{
    char text[32];
    std::snprintf(text, sizeof text, "%dKB", fileSize == 0 ? 0 : int(fileSize / 1024 + 1));
    return text;
}

std::string CellText(const TrackRecord& track, int columnType, const std::string& genreText,
                     const std::string& typeText)
{
    switch (columnType) {
    case kSortArtist:
        return std::string(track.artist, strnlen(track.artist, sizeof track.artist));
    case kSortTitle:
        return std::string(track.title, strnlen(track.title, sizeof track.title));
    case kSortAlbum:
        return std::string(track.album, strnlen(track.album, sizeof track.album));
    case kSortGenre:
        return genreText;
    case kSortLength:
        return LengthText(track.lengthMs);
    case kSortTrackNumber:
        return Number(track.trackNumber);
    case kSortKbps:
        return Number(track.kbps);
    case kSortSampleRate:
        return Number(track.sampleRate);
    case kSortSize:
        return SizeCellText(track.fileSize);
    case kSortType:
        return typeText;
    case kSortChannels:
        return Number(track.channels);
    case kSortYear:
        return Number(track.year);
    case kSortFilename:
        return std::string(track.path, strnlen(track.path, sizeof track.path));
    case kSortPlayed:
        return Number(int32_t(track.playCount));
    case kSortDateAdded:
        return LongDateText(track.dateAdded);
    default:
        return std::string();
    }
}

std::string FitCellText(const std::string& text, int maxWidth, const std::function<int(const std::string&)>& measure)
{
    if (measure(text) <= maxWidth)
        return text;
    std::string rest = text;
    while (!rest.empty()) {
        rest.pop_back();
        if (measure(rest + "...") <= maxWidth)
            return rest + "...";
    }
    return measure("...") <= maxWidth ? std::string("...") : std::string();
}

}  // namespace vuv
