// A music file opened for reading only, as TagLib's stream, with a small
// read-ahead window. TagLib reads a file in many small pieces (a 10-byte tag
// header, a 4-byte frame header, a 128-byte trailing tag, 1 KB search
// chunks, backwards as well as forwards); each read of the file is a system
// call, and under Wine one that costs tens of microseconds. The window
// serves the pieces that lie near one another from one read.
//
// The file is opened with every sharing mode, so that reading it never
// stands in the way of another program writing, renaming or deleting it.
// Every writing call does nothing (readOnly() is true: TagLib writes nothing
// through it).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include <tiostream.h>

namespace taglibinput {

// What tells one state of a file from another: its size and its last
// write time. A file whose bytes change gets a new write time.
struct FileIdentity {
    uint64_t size = 0;           // bytes
    uint64_t lastWriteTime = 0;  // 100-ns FILETIME ticks
    bool operator==(const FileIdentity& other) const
    {
        return size == other.size && lastWriteTime == other.lastWriteTime;
    }
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

// The identity of the file at a path without opening it; false when the
// path names no file (a folder included).
bool IdentityOfPath(const std::wstring& path, FileIdentity& identity);

class ReadOnlyStream : public TagLib::IOStream {
public:
    // Bytes read at once for a small read.
    static constexpr unsigned long kWindowSize = 4096;

    explicit ReadOnlyStream(const std::wstring& path);
    ~ReadOnlyStream() override;
    ReadOnlyStream(const ReadOnlyStream&) = delete;
    ReadOnlyStream& operator=(const ReadOnlyStream&) = delete;

    // The identity of the opened file, taken when it was opened (before any
    // byte was read). Valid only when isOpen().
    const FileIdentity& Identity() const { return identity_; }

    TagLib::FileName name() const override;
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector& data) override;
    void insert(const TagLib::ByteVector& data, unsigned long start, unsigned long replace) override;
    void removeBlock(unsigned long start, unsigned long length) override;
    bool readOnly() const override;
    bool isOpen() const override;
    void seek(long offset, Position p) override;
    long tell() const override;
    long length() override;
    void truncate(long length) override;

private:
    // Up to `size` bytes at `offset` into `buffer`; the count read.
    unsigned long ReadAt(uint64_t offset, char* buffer, unsigned long size);
    // Fills the window so that it holds [offset, offset + size) (size at
    // most kWindowSize); a request shortly before the window gets one that
    // ends where the old one did.
    void FillWindow(uint64_t offset, unsigned long size);

    TagLib::FileName name_;
    HANDLE handle_;
    FileIdentity identity_;
    long position_ = 0;
    uint64_t windowStart_ = 0;
    unsigned long windowLength_ = 0;
    char window_[kWindowSize];
};

}  // namespace taglibinput
