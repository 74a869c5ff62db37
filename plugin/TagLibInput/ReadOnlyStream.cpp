#include "ReadOnlyStream.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace taglibinput {

namespace {

uint64_t Ticks(const FILETIME& time)
{
    return (uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

bool IdentityOfPath(const std::wstring& path, FileIdentity& identity)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    identity.size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    identity.lastWriteTime = Ticks(data.ftLastWriteTime);
    return true;
}

ReadOnlyStream::ReadOnlyStream(const std::wstring& path)
    : name_(path.c_str()),
      handle_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{
    // Not GetFileInformationByHandle: it also asks for the volume's serial
    // number, which costs more than the rest of the open under Wine. A
    // folder opens without FILE_FLAG_BACKUP_SEMANTICS only to fail here.
    LARGE_INTEGER size;
    FILETIME written;
    if (handle_ != INVALID_HANDLE_VALUE && GetFileSizeEx(handle_, &size) &&
        GetFileTime(handle_, nullptr, nullptr, &written)) {
        identity_.size = uint64_t(size.QuadPart);
        identity_.lastWriteTime = Ticks(written);
    } else if (handle_ != INVALID_HANDLE_VALUE) {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
}

ReadOnlyStream::~ReadOnlyStream()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

TagLib::FileName ReadOnlyStream::name() const { return name_; }

unsigned long ReadOnlyStream::ReadAt(uint64_t offset, char* buffer, unsigned long size)
{
    // Moving the file pointer, not an OVERLAPPED offset: under Wine a read
    // with an OVERLAPPED costs a round trip to the server on completion.
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD read = 0;
    if (!SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) || !ReadFile(handle_, buffer, size, &read, nullptr))
        return 0;
    return read;
}

void ReadOnlyStream::FillWindow(uint64_t offset, unsigned long size)
{
    uint64_t start = offset;
    // Shortly before the window: TagLib is searching backwards, or reading
    // a tag's footer before the tag behind it. The new window ends where
    // the old one did, as far as it can, so that it holds both.
    if (windowLength_ != 0 && offset < windowStart_ && windowStart_ - offset < kWindowSize) {
        const uint64_t end = std::max<uint64_t>(
            offset + size, std::min<uint64_t>(windowStart_ + windowLength_, offset + kWindowSize));
        start = end > kWindowSize ? end - kWindowSize : 0;
    }
    windowStart_ = start;
    windowLength_ = ReadAt(start, window_, kWindowSize);
}

TagLib::ByteVector ReadOnlyStream::readBlock(unsigned long length)
{
    if (!isOpen() || length == 0 || position_ < 0 || uint64_t(position_) >= identity_.size)
        return TagLib::ByteVector();
    const uint64_t offset = uint64_t(position_);
    const unsigned long wanted =
        static_cast<unsigned long>(std::min<uint64_t>(length, identity_.size - offset));
    TagLib::ByteVector bytes;
    if (wanted > kWindowSize) {
        bytes.resize(wanted);
        bytes.resize(ReadAt(offset, bytes.data(), wanted));
    } else {
        if (offset < windowStart_ || offset + wanted > windowStart_ + windowLength_)
            FillWindow(offset, wanted);
        const uint64_t skip = offset - std::min(offset, windowStart_);
        const unsigned long held =
            offset >= windowStart_ && skip < windowLength_
                ? static_cast<unsigned long>(std::min<uint64_t>(wanted, windowLength_ - skip))
                : 0;
        bytes = TagLib::ByteVector(window_ + skip, held);
    }
    position_ += static_cast<long>(bytes.size());
    return bytes;
}

void ReadOnlyStream::writeBlock(const TagLib::ByteVector&) {}

void ReadOnlyStream::insert(const TagLib::ByteVector&, unsigned long, unsigned long) {}

void ReadOnlyStream::removeBlock(unsigned long, unsigned long) {}

bool ReadOnlyStream::readOnly() const { return true; }

bool ReadOnlyStream::isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

void ReadOnlyStream::seek(long offset, Position p)
{
    switch (p) {
    case Beginning: position_ = offset; break;
    case Current: position_ += offset; break;
    case End: position_ = length() + offset; break;
    }
}

long ReadOnlyStream::tell() const { return position_; }

// TagLib counts in long: a file beyond its range reads as that long.
long ReadOnlyStream::length()
{
    return isOpen() ? static_cast<long>(std::min<uint64_t>(identity_.size, LONG_MAX)) : 0;
}

void ReadOnlyStream::truncate(long) {}

}  // namespace taglibinput
