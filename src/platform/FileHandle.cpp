#include "platform/FileHandle.h"

#include "platform/UserMessages.h"

#include <windows.h>

#include <vector>

namespace vuv {
namespace {

constexpr uint32_t kShiftBlock = 32768;

HANDLE H(void* h) { return static_cast<HANDLE>(h); }

bool SetPosition(void* handle, uint64_t offset, DWORD method)
{
    LARGE_INTEGER distance;
    distance.QuadPart = int64_t(offset);
    return SetFilePointerEx(H(handle), distance, nullptr, method) != 0;
}

}  // namespace

FileHandle::~FileHandle() { Close(); }

FileHandle::FileHandle(FileHandle&& other) noexcept
    : handle_(other.handle_), name_(std::move(other.name_)), showErrors_(other.showErrors_),
      readFailed_(other.readFailed_)
{
    other.handle_ = nullptr;
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        name_ = std::move(other.name_);
        showErrors_ = other.showErrors_;
        readFailed_ = other.readFailed_;
        other.handle_ = nullptr;
    }
    return *this;
}

void FileHandle::Open(const std::string& name, FileAccess access, FileDisposition disposition,
                      bool showErrors, bool share)
{
    Open(name, access, disposition, showErrors, share ? FileShare::ReadWrite : FileShare::None);
}

void FileHandle::Open(const std::string& name, FileAccess access, FileDisposition disposition,
                      bool showErrors, FileShare share)
{
    Close();
    name_ = name.substr(0, 259);
    showErrors_ = showErrors;
    readFailed_ = false;
    DWORD desired = access == FileAccess::Read    ? GENERIC_READ
                    : access == FileAccess::Write ? GENERIC_WRITE
                                                  : GENERIC_READ | GENERIC_WRITE;
    DWORD create = disposition == FileDisposition::CreateAlways   ? CREATE_ALWAYS
                   : disposition == FileDisposition::OpenExisting ? OPEN_EXISTING
                   : disposition == FileDisposition::CreateNew    ? CREATE_NEW
                                                                  : OPEN_ALWAYS;
    DWORD shareMode = share == FileShare::None        ? 0
                      : share == FileShare::ReadWrite ? FILE_SHARE_READ | FILE_SHARE_WRITE
                                                      : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE h = CreateFileA(name.c_str(), desired, shareMode, nullptr, create,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        ReportFailure("Unable to open '",
                      access == FileAccess::Read ? "Disk Read Error" : "Disk Write Error");
        return;
    }
    handle_ = h;
}

void FileHandle::Close()
{
    if (handle_)
        CloseHandle(H(handle_));
    handle_ = nullptr;
}

void FileHandle::ReportFailure(const char* what, const char* title) const
{
    if (showErrors_)
        ShowMessage(std::string(what) + name_ + "'", title, MessageButtons::Ok,
                    MessageIcon::Information);
}

uint32_t FileHandle::Read(void* buffer, uint32_t size, FilePosition position)
{
    if (!handle_)
        return 0;
    if (position == kFromStart)
        SetPosition(handle_, 0, FILE_BEGIN);
    else if (position == kFromEnd)
        SetPosition(handle_, 0, FILE_END);
    DWORD got = 0;
    if (!ReadFile(H(handle_), buffer, size, &got, nullptr)) {
        readFailed_ = true;
        ReportFailure("Unable to read from '", "Disk Read Error");
        return 0;
    }
    return got;
}

bool FileHandle::Write(const void* buffer, uint32_t size, FilePosition position)
{
    if (!handle_)
        return false;
    if (position == kFromStart)
        SetPosition(handle_, 0, FILE_BEGIN);
    else if (position == kFromEnd)
        SetPosition(handle_, 0, FILE_END);
    DWORD written = 0;
    if (!WriteFile(H(handle_), buffer, size, &written, nullptr) || written != size) {
        ReportFailure("Unable to write to '", "Disk Write Error");
        return false;
    }
    return true;
}

void FileHandle::Seek(int32_t offset, SeekOrigin origin)
{
    if (!handle_)
        return;
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    DWORD method = origin == SeekOrigin::Start ? FILE_BEGIN
                   : origin == SeekOrigin::End ? FILE_END
                                               : FILE_CURRENT;
    SetFilePointerEx(H(handle_), distance, nullptr, method);
}

uint64_t FileHandle::Position() const
{
    if (!handle_)
        return 0;
    LARGE_INTEGER zero{}, now{};
    SetFilePointerEx(H(handle_), zero, &now, FILE_CURRENT);
    return uint64_t(now.QuadPart);
}

uint64_t FileHandle::Size() const
{
    if (!handle_)
        return 0;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(H(handle_), &size))
        return 0;
    return uint64_t(size.QuadPart);
}

void FileHandle::Truncate(uint64_t length)
{
    if (!handle_)
        return;
    if (SetPosition(handle_, length, FILE_BEGIN))
        SetEndOfFile(H(handle_));
}

bool FileHandle::Flush()
{
    return handle_ && FlushFileBuffers(H(handle_));
}

void FileHandle::ShiftTail(uint64_t position, int64_t delta)
{
    if (!handle_ || delta == 0)
        return;
    const uint64_t size = Size();
    std::vector<char> block(kShiftBlock);
    if (delta < 0) {
        const uint64_t back = uint64_t(-delta);
        // Front to back, so that no block overwrites bytes not yet moved.
        for (uint64_t from = position; from < size; from += kShiftBlock) {
            if (from < back)  // the destination would lie before the file
                continue;
            uint32_t n = uint32_t(size - from < kShiftBlock ? size - from : kShiftBlock);
            SetPosition(handle_, from, FILE_BEGIN);
            DWORD got = 0;
            if (!ReadFile(H(handle_), block.data(), n, &got, nullptr) || got == 0)
                break;
            SetPosition(handle_, from - back, FILE_BEGIN);
            DWORD written = 0;
            WriteFile(H(handle_), block.data(), got, &written, nullptr);
        }
        Truncate(position < back || size < back ? 0 : size - back);
        return;
    }
    if (position >= size)
        return;
    // Back to front, starting with the last block.
    const uint64_t span = size - position;
    uint64_t done = 0;
    while (done < span) {
        uint32_t n = uint32_t(span - done < kShiftBlock ? span - done : kShiftBlock);
        uint64_t from = size - done - n;
        SetPosition(handle_, from, FILE_BEGIN);
        DWORD got = 0;
        if (!ReadFile(H(handle_), block.data(), n, &got, nullptr) || got != n)
            break;
        SetPosition(handle_, from + uint64_t(delta), FILE_BEGIN);
        DWORD written = 0;
        WriteFile(H(handle_), block.data(), n, &written, nullptr);
        done += n;
    }
}

bool ReadTextLine(FileHandle& file, char* buffer, size_t max)
{
    size_t stored = 0;
    while (stored < max) {
        char c;
        if (file.Read(&c, 1) != 1) {
            buffer[stored] = '\0';
            return stored > 0;
        }
        if (c == '\n')
            break;
        if (c == '\r') {
            char lf;
            file.Read(&lf, 1);
            break;
        }
        buffer[stored++] = c;
    }
    buffer[stored] = '\0';
    return true;
}

uint64_t FileSize(const std::string& name, bool* failed)
{
    HANDLE h = CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (failed)
            *failed = true;
        return 0;
    }
    LARGE_INTEGER size{};
    GetFileSizeEx(h, &size);
    CloseHandle(h);
    if (failed)
        *failed = false;
    return uint64_t(size.QuadPart);
}

}  // namespace vuv
