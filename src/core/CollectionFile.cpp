#include "core/CollectionFile.h"

#include "platform/Paths.h"

#include <algorithm>

namespace vuv {

std::string GenreListPathFor(const std::string& collectionPath)
{
    return StripExtension(collectionPath) + kGenreListExtension;
}

bool TrackFileReader::Open(const std::string& path, bool showErrors)
{
    file_.Open(path, FileAccess::Read, FileDisposition::OpenExisting, showErrors,
               FileShare::ReadWriteDelete);
    ended_ = !file_.IsOpen();
    recordCount_ = file_.IsOpen() ? file_.Size() / sizeof(TrackRecord) : 0;
    return file_.IsOpen();
}

size_t TrackFileReader::ReadBlock(TrackRecord* block, size_t capacity)
{
    if (ended_ || capacity == 0)
        return 0;
    const uint32_t want = uint32_t(capacity * sizeof(TrackRecord));
    const uint32_t got = file_.Read(block, want);
    if (got < want)
        ended_ = true;
    return got / sizeof(TrackRecord);
}

bool TrackFileReader::ReadAt(uint64_t index, TrackRecord& out)
{
    file_.Seek(int32_t(index * sizeof(TrackRecord)), SeekOrigin::Start);
    return file_.Read(&out, sizeof out) == sizeof out;
}

template <typename RecordAt>
bool TrackFileWriter::WriteBlocks(size_t count, RecordAt recordAt)
{
    block_.reserve(std::min(count, kTrackFileBlock));
    for (size_t done = 0; done < count;) {
        const size_t n = std::min(kTrackFileBlock, count - done);
        block_.clear();
        for (size_t i = 0; i < n; ++i)
            block_.push_back(StoredForm(recordAt(done + i)));
        if (!file_.Write(block_.data(), uint32_t(n * sizeof(TrackRecord))))
            return false;
        done += n;
    }
    return true;
}

bool TrackFileWriter::Write(const TrackRecord* records, size_t count)
{
    return WriteBlocks(count, [records](size_t i) -> const TrackRecord& { return records[i]; });
}

bool TrackFileWriter::Write(const TrackRecord* const* records, size_t count)
{
    return WriteBlocks(count, [records](size_t i) -> const TrackRecord& { return *records[i]; });
}

bool ReadTrackFile(const std::string& path, std::vector<TrackRecord>& out, bool showErrors)
{
    TrackFileReader reader;
    if (!reader.Open(path, showErrors))
        return false;
    out.reserve(out.size() + size_t(reader.RecordCount()));
    std::vector<TrackRecord> block(kTrackFileBlock);
    while (const size_t got = reader.ReadBlock(block.data(), block.size()))
        out.insert(out.end(), block.begin(), block.begin() + long(got));
    return true;
}

bool WriteTrackFile(const std::string& path, const TrackRecord* tracks, size_t count,
                    bool showErrors)
{
    FileHandle file;
    file.Open(path, FileAccess::Write, FileDisposition::CreateAlways, showErrors, false);
    return file.IsOpen() && TrackFileWriter(file).Write(tracks, count);
}

}  // namespace vuv
