#include "core/SortKeys.h"

#include "core/FileTypeNames.h"
#include "core/GenreList.h"

#include <string>

namespace vuv {
namespace {

template <typename T>
KeyComparison Compare(T a, T b)
{
    return KeyComparison{a < b, a == b};
}

KeyComparison FromOrder(int order) { return KeyComparison{order < 0, order == 0}; }

}  // namespace

int CompareTextIgnoringCase(const char* a, const char* b)
{
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
    for (;; ++x, ++y) {
        unsigned cx = *x, cy = *y;
        if (cx >= 'A' && cx <= 'Z')
            cx += 'a' - 'A';
        if (cy >= 'A' && cy <= 'Z')
            cy += 'a' - 'A';
        if (cx != cy)
            return cx < cy ? -1 : 1;
        if (cx == 0)
            return 0;
    }
}

int32_t StatusRank(uint32_t flags)
{
    if (flags & kFlagMissing)
        return 4000000;
    if (flags & kFlagNew)
        return 1;
    if (flags & kFlagNotInSelection)
        return 4;
    return int32_t(flags);
}

KeyComparison CompareTracks(const TrackRecord& a, const TrackRecord& b, int key,
                            const GenreList* genres)
{
    switch (key) {
    case kSortStatus: return Compare(StatusRank(a.flags), StatusRank(b.flags));
    case kSortArtist: return FromOrder(CompareTextIgnoringCase(a.artist, b.artist));
    case kSortTitle: return FromOrder(CompareTextIgnoringCase(a.title, b.title));
    case kSortGenre: {
        const std::string ga = genres ? genres->GenreText(a) : std::string();
        const std::string gb = genres ? genres->GenreText(b) : std::string();
        return FromOrder(CompareTextIgnoringCase(ga.c_str(), gb.c_str()));
    }
    case kSortPreference: return Compare(a.preference, b.preference);
    case kSortLength: return Compare(a.lengthMs, b.lengthMs);
    case kSortAlbum: return FromOrder(CompareTextIgnoringCase(a.album, b.album));
    case kSortTrackNumber: return Compare(a.trackNumber, b.trackNumber);
    case kSortKbps: return Compare(a.kbps, b.kbps);
    case kSortSampleRate: return Compare(int32_t(a.sampleRate), int32_t(b.sampleRate));
    case kSortSize: return Compare(a.fileSize, b.fileSize);
    case kSortType:
        return FromOrder(
            CompareTextIgnoringCase(FileTypeText(a.typeName).c_str(), FileTypeText(b.typeName).c_str()));
    case kSortChannels: return Compare(a.channels, b.channels);
    case kSortVolumeBoost: return Compare(a.volumeBoost, b.volumeBoost);
    case kSortYear: return Compare(a.year, b.year);
    case kSortFilename: return FromOrder(CompareTextIgnoringCase(a.path, b.path));
    case kSortPlayed: return Compare(int32_t(a.playCount), int32_t(b.playCount));
    case kSortDateAdded: return Compare(a.dateAdded, b.dateAdded);
    default: return KeyComparison{false, true};
    }
}

}  // namespace vuv
