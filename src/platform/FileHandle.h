// One open file, named for its messages. Every file input and output of the
// program goes through it. Opened with `showErrors`, it tells the user what
// went wrong ("Unable to open '...'"); otherwise it fails silently and only
// its results say so. Closes its file when destroyed; closing twice is
// harmless.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vuv {

enum class FileAccess { Read, Write, ReadWrite };
// CreateNew fails when a file of the name exists.
enum class FileDisposition { CreateAlways, OpenExisting, OpenAlways, CreateNew };
// What other openers may do while the file is open. With delete sharing
// the file may also be renamed, replaced or deleted meanwhile (the open
// handle keeps reading the file it opened): the program's own readers of
// the files it saves by replacing them open so.
enum class FileShare { None, ReadWrite, ReadWriteDelete };
enum class SeekOrigin { Start, Current, End };

// Position codes of Read and Write.
enum FilePosition { kFromStart = 0, kFromEnd = 1, kCurrent = 2 };

class FileHandle {
public:
    FileHandle() = default;
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;

    // With `share`, other openers may read and write at the same time.
    void Open(const std::string& name, FileAccess access, FileDisposition disposition,
              bool showErrors, bool share = false);
    void Open(const std::string& name, FileAccess access, FileDisposition disposition,
              bool showErrors, FileShare share);
    bool IsOpen() const { return handle_ != nullptr; }
    void Close();

    // Bytes read; a short read at the end of the file is silent. 0 when closed.
    uint32_t Read(void* buffer, uint32_t size, FilePosition position = kCurrent);
    // Whether a read failed since the file was opened (rather than coming to
    // the end of the file): what was read may then lack its rest.
    bool ReadFailed() const { return readFailed_; }
    // True only when all `size` bytes were written. Only codes 0 and 1 move.
    bool Write(const void* buffer, uint32_t size, FilePosition position = kCurrent);
    void Seek(int32_t offset, SeekOrigin origin);
    uint64_t Position() const;
    uint64_t Size() const;
    void Truncate(uint64_t length);
    // Flushes the file's data to the disk; false on failure.
    bool Flush();

    // Moves the bytes from `position` to the end of the file by `delta`
    // bytes, in 32768-byte blocks (see FileHandle.cpp).
    void ShiftTail(uint64_t position, int64_t delta);

    const std::string& Name() const { return name_; }
    bool ShowsErrors() const { return showErrors_; }

private:
    void ReportFailure(const char* what, const char* title) const;

    void* handle_ = nullptr;  // OS file handle; null while nothing is open
    std::string name_;
    bool showErrors_ = false;
    bool readFailed_ = false;
};

// Reads one line byte by byte, storing at most `max` characters and a NUL
// (so `buffer` holds max + 1 bytes). LF ends a line; CR ends it and swallows
// the next byte. After `max` characters the call returns: the rest of a
// longer line comes back from the next call. False only at the end of the
// file with nothing stored.
bool ReadTextLine(FileHandle& file, char* buffer, size_t max);

// The size of a file opened for no access; 0 with `failed` set when it
// cannot be opened.
uint64_t FileSize(const std::string& name, bool* failed = nullptr);

}  // namespace vuv
