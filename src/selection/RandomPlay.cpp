#include "selection/RandomPlay.h"

#include "core/CollectionFile.h"
#include "core/PathKey.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/WideRandom.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
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

namespace {

// The path field as a draw reads it: cut at its last byte.
std::string PathOf(const TrackRecord& record)
{
    return std::string(record.path, strnlen(record.path, kPathTextSize - 1));
}

}  // namespace

RandomDraw::RandomDraw(const RandomPlayFiles& files)
{
    // Both record files are read a block at a time: a collection of 100,000
    // tracks is 65 MB of records of which a draw keeps the paths.
    std::vector<TrackRecord> block(kTrackFileBlock);
    auto forEachRecord = [&block](const std::string& path, auto&& use) {
        TrackFileReader file;
        if (!file.Open(path))
            return;
        while (const size_t got = file.ReadBlock(block.data(), block.size()))
            for (size_t i = 0; i < got; ++i)
                use(block[i]);
    };
    std::unordered_set<std::string> recent;
    forEachRecord(files.previouslyPlayed,
                  [&recent](const TrackRecord& record) { recent.insert(FoldedPath(PathOf(record))); });
    forEachRecord(files.collection, [this, &recent](const TrackRecord& record) {
        Candidate c;
        c.path = PathOf(record);
        c.preference = record.preference;
        c.playedRecently = recent.count(FoldedPath(c.path)) != 0;
        records_.push_back(std::move(c));
    });
    empty_.playedRecently = recent.count(std::string()) != 0;
    FileHandle index;
    index.Open(files.selectionIndex, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    const uint64_t positions = index.Size() / 4;
    if (positions > 0) {
        selection_.resize(size_t(positions));
        index.Read(selection_.data(), uint32_t(positions * 4), kFromStart);
    }
}

bool RandomDraw::Draw(std::string& path) const
{
    if (records_.empty())
        return false;
    const Candidate* drawn = &empty_;
    for (int attempt = 0; attempt < kRandomPickAttempts; ++attempt) {
        const uint32_t position = selection_.empty()
                                      ? RandomIndexBelow(uint32_t(records_.size()))
                                      : selection_[RandomIndexBelow(uint32_t(selection_.size()))];
        // A position past the end reads nothing: the record drawn before stays.
        if (position < records_.size())
            drawn = &records_[position];
        if (PreferenceTest(drawn->preference) && !drawn->playedRecently)
            break;
    }
    path = drawn->path;
    return true;
}

}  // namespace vuv
