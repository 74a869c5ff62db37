#include "core/CollectionFile.h"

#include "platform/FileHandle.h"
#include "platform/Paths.h"

#include <algorithm>

namespace vuv {
namespace {

constexpr size_t kRecordsPerBlock = 1024;  // 648 KiB per read or write

}  // namespace

std::string GenreListPathFor(const std::string& collectionPath)
{
    return StripExtension(collectionPath) + kGenreListExtension;
}

bool ReadTrackFile(const std::string& path, std::vector<TrackRecord>& out, bool showErrors)
{
    FileHandle file;
    file.Open(path, FileAccess::Read, FileDisposition::OpenExisting, showErrors, true);
    if (!file.IsOpen())
        return false;
    const uint64_t count = file.Size() / sizeof(TrackRecord);
    out.reserve(out.size() + size_t(count));
    std::vector<TrackRecord> block(kRecordsPerBlock);
    for (;;) {
        uint32_t got = file.Read(block.data(), uint32_t(block.size() * sizeof(TrackRecord)));
        size_t whole = got / sizeof(TrackRecord);
        out.insert(out.end(), block.begin(), block.begin() + long(whole));
        if (got < block.size() * sizeof(TrackRecord))
            break;
    }
    return true;
}

bool WriteTrackFile(const std::string& path, const TrackRecord* tracks, size_t count,
                    bool showErrors)
{
    FileHandle file;
    file.Open(path, FileAccess::Write, FileDisposition::CreateAlways, showErrors, false);
    if (!file.IsOpen())
        return false;
    std::vector<TrackRecord> block;
    block.reserve(std::min(count, kRecordsPerBlock));
    for (size_t done = 0; done < count;) {
        size_t n = std::min(kRecordsPerBlock, count - done);
        block.clear();
        for (size_t i = 0; i < n; ++i)
            block.push_back(StoredForm(tracks[done + i]));
        if (!file.Write(block.data(), uint32_t(n * sizeof(TrackRecord))))
            return false;
        done += n;
    }
    return true;
}

}  // namespace vuv
