#include "SafeTagWrite.h"

#include "AnsiText.h"
#include "AudioLayout.h"
#include "Formats.h"
#include "TagElements.h"
#include "TagWriteResult.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <memory>
#include <string>

namespace taglibinput {

namespace {

constexpr size_t kMaxPathLength = 259;  // characters, as every path of the suite
constexpr size_t kCopyNameLength = 12;  // "~" and hex digits, shorter where the path is long

// A copy of a file beside it (its attributes with it), deleted when the
// object goes unless it replaced the file.
class SiblingCopy {
public:
    explicit SiblingCopy(const std::wstring& original) : original_(original) {}
    ~SiblingCopy()
    {
        if (!path_.empty())
            DeleteFileW(path_.c_str());
    }
    SiblingCopy(const SiblingCopy&) = delete;
    SiblingCopy& operator=(const SiblingCopy&) = delete;

    const std::wstring& Path() const { return path_; }

    // The copy's name has no extension, so that no plug-in claims a copy
    // that a killed process left behind, and fits the path limit wherever
    // the file itself does: it is never longer than the file's own name.
    bool Make()
    {
        const size_t slash = original_.find_last_of(L'\\');
        const size_t folder = slash == std::wstring::npos ? 0 : slash + 1;
        const size_t length = std::min(kCopyNameLength, original_.size() - folder);
        if (length < 2 || folder + length > kMaxPathLength)
            return false;
        const unsigned seed = GetTickCount() ^ (GetCurrentProcessId() << 12);
        for (unsigned attempt = 0; attempt < 100; ++attempt) {
            // Hashed, so that the leading digits vary for the shortest names.
            wchar_t name[16];
            swprintf(name, 16, L"~%08x%03x", (seed + attempt) * 2654435761u, attempt);
            const std::wstring candidate = original_.substr(0, folder) + std::wstring(name, length);
            if (CopyFileW(original_.c_str(), candidate.c_str(), TRUE)) {
                path_ = candidate;
                return true;
            }
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
                return false;
        }
        return false;
    }

    // Moves the copy over the file in one step, the file's creation time
    // kept (its attributes came with the copy).
    bool ReplaceOriginal()
    {
        KeepCreationTime();
        if (!MoveFileExW(path_.c_str(), original_.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        path_.clear();
        return true;
    }

private:
    void KeepCreationTime()
    {
        FILETIME created;
        HANDLE from = CreateFileW(original_.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (from == INVALID_HANDLE_VALUE)
            return;
        const bool known = GetFileTime(from, &created, nullptr, nullptr) != FALSE;
        CloseHandle(from);
        HANDLE to = CreateFileW(path_.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                                nullptr);
        if (to == INVALID_HANDLE_VALUE)
            return;
        if (known)
            SetFileTime(to, &created, nullptr, nullptr);
        CloseHandle(to);
    }

    std::wstring original_;
    std::wstring path_;
};

// Faults for the tests, named by the environment variable
// VUV_TEST_TAG_WRITE_FAULT: "flip:N" inverts byte N of the fresh copy
// before the tag is written into it (damaged audio that the check must
// catch); "kill-before-replace" ends the process at once, without any
// cleaning up, just before the copy would replace the file.
std::string TestFault()
{
    char text[64];
    const DWORD length = GetEnvironmentVariableA("VUV_TEST_TAG_WRITE_FAULT", text, sizeof text);
    return length > 0 && length < sizeof text ? std::string(text) : std::string();
}

void FlipByte(const std::wstring& path, long offset)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    unsigned char byte = 0;
    DWORD done = 0;
    SetFilePointer(file, offset, nullptr, FILE_BEGIN);
    if (ReadFile(file, &byte, 1, &done, nullptr) && done == 1) {
        byte ^= 0xFF;
        SetFilePointer(file, offset, nullptr, FILE_BEGIN);
        WriteFile(file, &byte, 1, &done, nullptr);
    }
    CloseHandle(file);
}

// Why the file cannot be written at all, or kWritten when it can.
int CheckTarget(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                       error == ERROR_INVALID_NAME
                   ? tagwrite::kFileMissing
                   : tagwrite::kFileInUse;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return tagwrite::kFileIsFolder;
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return tagwrite::kFileReadOnly;
    return tagwrite::kWritten;
}

// Whether the written copy has the original's audio and holds the element.
int CheckCopy(const FormatInfo& format, const std::wstring& original, const AudioLayout& before,
              const std::wstring& copy, const char* name, const char* value)
{
    std::unique_ptr<TagLib::File> written = OpenMusicFile(format, copy, false);
    std::unique_ptr<TagLib::File> source = OpenMusicFile(format, original, false);
    AudioLayout after;
    if (!written || !source || !ReadAudioLayout(*written, format.layout, after) ||
        !SameAudio(*source, before, *written, after))
        return tagwrite::kAudioWouldChange;
    if (!KeepsTagElement(*written, name, value))
        return tagwrite::kElementNotKept;
    return tagwrite::kWritten;
}

}  // namespace

int WriteTagElementSafely(const char* path, const char* name, const char* value)
{
    const FormatInfo* format = FormatOfPath(path);
    const std::wstring original = WidePathFromAnsi(path);
    if (format == nullptr || original.empty())
        return tagwrite::kNotWritten;
    const int target = CheckTarget(original);
    if (target != tagwrite::kWritten)
        return target;

    AudioLayout before;
    {
        std::unique_ptr<TagLib::File> file = OpenMusicFile(*format, original, false);
        if (!file)
            return tagwrite::kFileUnreadable;
        if (file->readOnly())
            return tagwrite::kFileInUse;
        if (HoldsTagElement(*file, name, value))
            return tagwrite::kWritten;
        if (!ReadAudioLayout(*file, format->layout, before))
            return tagwrite::kLayoutDamaged;
        if (!HoldsAudio(*file))
            return tagwrite::kFileUnreadable;
    }

    SiblingCopy copy(original);
    if (!copy.Make())
        return tagwrite::kNoTemporaryCopy;
    const std::string fault = TestFault();
    if (fault.compare(0, 5, "flip:") == 0)
        FlipByte(copy.Path(), atol(fault.c_str() + 5));
    {
        std::unique_ptr<TagLib::File> file = OpenMusicFile(*format, copy.Path(), false);
        if (!file || file->readOnly())
            return tagwrite::kNoTemporaryCopy;
        if (!SetTagElement(*file, name, value))
            return tagwrite::kElementNotKept;
        if (!SaveTagChanges(*file))
            return tagwrite::kNotWritten;
    }
    const int verdict = CheckCopy(*format, original, before, copy.Path(), name, value);
    if (verdict != tagwrite::kWritten)
        return verdict;
    if (fault == "kill-before-replace")
        TerminateProcess(GetCurrentProcess(), 86);
    return copy.ReplaceOriginal() ? tagwrite::kWritten : tagwrite::kFileInUse;
}

}  // namespace taglibinput
