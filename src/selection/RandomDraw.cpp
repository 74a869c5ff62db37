#include "selection/RandomDraw.h"

#include "core/CollectionFile.h"
#include "core/TrackRecord.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/WideRandom.h"
#include "selection/RandomPlay.h"

#include <cstring>
#include <unordered_set>

namespace vuv {

namespace {

std::string FoldedPath(const char* path)
{
    std::string key = path;
    for (char& c : key)
        c = char(FoldPathChar(static_cast<unsigned char>(c)));
    return key;
}

// The path field as a draw reads it: cut at its last byte.
std::string PathOf(const TrackRecord& record)
{
    return std::string(record.path, strnlen(record.path, kPathTextSize - 1));
}

}  // namespace

RandomDraw::RandomDraw(const std::string& collectionFile, const std::string& selectionIndexFile,
                       const std::string& previouslyPlayedFile)
{
    std::unordered_set<std::string> recent;
    {
        std::vector<TrackRecord> played;
        ReadTrackFile(previouslyPlayedFile, played, false);
        for (const TrackRecord& record : played)
            recent.insert(FoldedPath(PathOf(record).c_str()));
    }
    std::vector<TrackRecord> records;
    ReadTrackFile(collectionFile, records, false);
    records_.reserve(records.size());
    for (const TrackRecord& record : records) {
        Candidate c;
        c.path = PathOf(record);
        c.preference = record.preference;
        c.playedRecently = recent.count(FoldedPath(c.path.c_str())) != 0;
        records_.push_back(std::move(c));
    }
    empty_.playedRecently = recent.count(std::string()) != 0;
    FileHandle index;
    index.Open(selectionIndexFile, FileAccess::Read, FileDisposition::OpenExisting, false, true);
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
