// Reading and writing files of whole TrackRecords (collection files, the
// previously played file): N consecutive 648-byte records from offset 0, no
// header; N is the file size / 648 and an incomplete tail is ignored. Every
// reader and writer of such files goes through TrackFileReader and
// TrackFileWriter.
#pragma once

#include "core/TrackRecord.h"
#include "platform/FileHandle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

constexpr const char* kCollectionExtension = ".mcc";
constexpr const char* kGenreListExtension = ".mcg";
// Records per block of the callers that read or write whole files: 648 KiB.
constexpr size_t kTrackFileBlock = 1024;

// The genre list file of a collection: the extension replaced by ".mcg".
std::string GenreListPathFor(const std::string& collectionPath);

// Hands out the records of a file in file order, a block at a time, as
// they are stored (no clean-up).
class TrackFileReader {
public:
    // Opens the file for reading, shared with readers and writers, and
    // letting a save replace it meanwhile (this reader keeps reading the
    // file it opened). False when it cannot be opened (told to the user
    // when `showErrors`).
    bool Open(const std::string& path, bool showErrors = false);
    bool IsOpen() const { return file_.IsOpen(); }
    // Whether a read failed (an I/O error rather than the end of the file).
    bool Failed() const { return file_.ReadFailed(); }
    // Whole records in the file when it was opened.
    uint64_t RecordCount() const { return recordCount_; }
    // Reads the next up to `capacity` records into `block`; returns how many
    // whole records came. 0 at the end: a read that comes back short ends
    // the file, so a file that grows meanwhile is not read further.
    size_t ReadBlock(TrackRecord* block, size_t capacity);
    // The record at `index` (from 0), out of sequence; false when the file
    // holds no whole record there (`out` may then be partly overwritten).
    bool ReadAt(uint64_t index, TrackRecord& out);

private:
    FileHandle file_;
    uint64_t recordCount_ = 0;
    bool ended_ = false;
};

// Writes records in their stored form (StoredForm) to an open file, in
// blocks through a buffer: the writer's own, or one the caller keeps
// between writes (fresh memory is dear under Wine, see the store's load).
class TrackFileWriter {
public:
    explicit TrackFileWriter(FileHandle& file, std::vector<TrackRecord>* buffer = nullptr)
        : file_(file), block_(buffer ? *buffer : ownBlock_)
    {
    }
    TrackFileWriter(const TrackFileWriter&) = delete;
    TrackFileWriter& operator=(const TrackFileWriter&) = delete;

    // Appends the records; false when a write fell short.
    bool Write(const TrackRecord* records, size_t count);
    bool Write(const TrackRecord* const* records, size_t count);

private:
    template <typename RecordAt>
    bool WriteBlocks(size_t count, RecordAt recordAt);

    FileHandle& file_;
    std::vector<TrackRecord> ownBlock_;
    std::vector<TrackRecord>& block_;
};

// Appends the complete records of the file to `out` as they are stored (no
// clean-up). False when the file cannot be opened.
bool ReadTrackFile(const std::string& path, std::vector<TrackRecord>& out, bool showErrors);

// Writes the records in their stored form (typeName and padding zeroed),
// replacing the file. False when the file could not be written completely.
bool WriteTrackFile(const std::string& path, const TrackRecord* tracks, size_t count,
                    bool showErrors);

}  // namespace vuv
