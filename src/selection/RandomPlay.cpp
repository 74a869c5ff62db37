#include "selection/RandomPlay.h"

#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/WideRandom.h"
#include "player/PlayerLink.h"

#include <algorithm>
#include <vector>

namespace vuv {

bool PreferenceTest(uint8_t preference)
{
    const int p = std::min(std::max(int(preference), 1), 9);
    return RandomBelow(10 - p) == 0;
}

bool PreferenceTest(const TrackRecord& track) { return PreferenceTest(track.preference); }

bool PlayedRecently(const TrackRecord& track, const std::string& previouslyPlayedFile)
{
    FileHandle file;
    file.Open(previouslyPlayedFile, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen())
        return false;
    char path[kPathTextSize];
    CopyBounded(path, track.path, sizeof path);
    // Whole blocks of records at a time: the file is read on every attempt.
    constexpr uint32_t kBlock = 64;
    std::vector<TrackRecord> records(kBlock);
    for (;;) {
        const uint32_t got = file.Read(records.data(), kBlock * sizeof(TrackRecord)) / sizeof(TrackRecord);
        for (uint32_t i = 0; i < got; ++i) {
            records[i].path[kPathTextSize - 1] = '\0';
            if (SamePath(records[i].path, path))
                return true;
        }
        if (got < kBlock)
            return false;
    }
}

bool RandomPick(PlayerLink& link, const PlayerFiles& files, TrackRecord& out)
{
    if (!link.myMusicRandom.IsSet())
        return false;
    FileHandle collection;
    collection.Open(files.collection, FileAccess::Read, FileDisposition::OpenExisting, false,
                    true);
    if (!collection.IsOpen())
        return false;
    const uint64_t n = collection.Size() / sizeof(TrackRecord);
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
        collection.Seek(int32_t(uint64_t(position) * sizeof(TrackRecord)), SeekOrigin::Start);
        collection.Read(&out, sizeof out);
        out.path[kPathTextSize - 1] = '\0';
        if (PreferenceTest(out) && !PlayedRecently(out, files.previouslyPlayed))
            break;
    }
    return true;
}

}  // namespace vuv
