#include "selection/RandomPlay.h"

#include "core/CollectionFile.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/WideRandom.h"

#include <algorithm>
#include <vector>

namespace vuv {

bool PreferenceTest(const TrackRecord& track)
{
    const int p = std::min(std::max(int(track.preference), 1), 9);
    return RandomBelow(10 - p) == 0;
}

bool PlayedRecently(const TrackRecord& track, const std::string& previouslyPlayedFile)
{
    TrackFileReader file;
    if (!file.Open(previouslyPlayedFile))
        return false;
    char path[kPathTextSize];
    CopyBounded(path, track.path, sizeof path);
    // Small blocks: the file is read on every attempt, and a recent play is
    // usually near its start.
    constexpr size_t kBlock = 64;
    TrackRecord records[kBlock];
    while (const size_t got = file.ReadBlock(records, kBlock)) {
        for (size_t i = 0; i < got; ++i) {
            records[i].path[kPathTextSize - 1] = '\0';
            if (SamePath(records[i].path, path))
                return true;
        }
    }
    return false;
}

bool RandomPick(const RandomPlayFiles& files, TrackRecord& out)
{
    TrackFileReader collection;
    if (!collection.Open(files.collection))
        return false;
    const uint64_t n = collection.RecordCount();
    if (n == 0)
        return false;
    const uint64_t m = FileSize(files.selectionIndex) / 4;
    FileHandle selection;
    if (m >= 1)
        selection.Open(files.selectionIndex, FileAccess::Read, FileDisposition::OpenExisting,
                       false, true);
    const bool useSelection = selection.IsOpen();
    for (int attempt = 0; attempt < kRandomPickAttempts; ++attempt) {
        uint32_t position = 0;
        if (useSelection) {
            selection.Seek(int32_t(RandomIndexBelow(uint32_t(m)) * 4), SeekOrigin::Start);
            if (selection.Read(&position, 4) != 4)
                position = 0;
        } else {
            position = RandomIndexBelow(uint32_t(n));
        }
        collection.ReadAt(position, out);
        out.path[kPathTextSize - 1] = '\0';
        if (PreferenceTest(out) && !PlayedRecently(out, files.previouslyPlayed))
            break;
    }
    return true;
}

}  // namespace vuv
