#include "selection/RandomSelector.h"

#include <unordered_map>

namespace vuv {

std::vector<size_t> SelectRandomTracks(TrackRecord* const* tracks, size_t count, const RandomSelectorRequest& request,
                                       const TrackPathDraw& draw)
{
    std::unordered_map<std::string, size_t> byPath;  // the first track of each path
    byPath.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        tracks[i]->flags &= ~uint32_t(kFlagHighlight4);
        byPath.emplace(tracks[i]->path, i);
    }
    std::vector<size_t> marked;
    const uint64_t limit = uint64_t(request.minutes) * 60000;
    uint64_t total = 0;
    bool done = false;
    std::string path;
    for (uint32_t turns = 0; !done; ++turns) {
        if (request.byCount && turns == request.tracks)
            break;
        for (int attempt = 0; attempt < kRandomSelectorAttempts; ++attempt) {
            if (!draw(path))
                continue;
            const auto found = byPath.find(path);
            if (found == byPath.end())
                continue;
            TrackRecord& track = *tracks[found->second];
            if (!request.byCount && total + track.lengthMs >= limit) {
                done = true;
                break;
            }
            if (!(track.flags & kFlagHighlight4)) {
                SetHighlight(track, 4);
                total += track.lengthMs;
                marked.push_back(found->second);
                break;
            }
        }
        if (turns > kRandomSelectorMaxTurns)
            break;
    }
    return marked;
}

uint32_t MinutesForStorage(uint32_t mb, uint32_t kbps)
{
    const uint64_t k = uint64_t(kbps) * 60 / 8;  // KB per minute
    if (mb == 0 || k == 0)
        return 0;
    return uint32_t(uint64_t(mb) * 1048576 / k / 1024);
}

}  // namespace vuv
