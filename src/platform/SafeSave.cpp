#include "platform/SafeSave.h"

#include "platform/Clock.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/Wait.h"

#include <windows.h>

#include <cstdio>

namespace vuv {
namespace {

constexpr uint32_t kReplacePauseMs = 50;
constexpr int kNameAttempts = 64;

// A name for the temporary file in the folder of `path` that fits in 259
// characters however long the path is: "~<8 hex digits>.saving", or when
// the folder leaves less room, "~" and as many of the digits as fit.
// Empty when not even that fits.
std::string TemporaryNameFor(const std::string& path, uint32_t serial)
{
    const size_t slash = path.rfind('\\');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    if (folder.size() + 2 > kMaxPath - 1)
        return std::string();
    const size_t room = kMaxPath - 1 - folder.size();
    char digits[9];
    snprintf(digits, sizeof digits, "%08X", unsigned(serial));
    const std::string name = std::string("~") + digits + ".saving";
    if (name.size() <= room)
        return folder + name;
    return folder + "~" + (digits + 8 - (room - 1 < 8 ? room - 1 : 8));
}

// Creates a temporary file of its own beside `path` (never one another
// save is writing); empty when none could be made.
std::string CreateTemporaryFor(const std::string& path, FileHandle& file)
{
    uint32_t serial = GetCurrentProcessId() * 2654435761u + TickCountMs();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt, serial = serial * 1103515245u + 12345u) {
        const std::string name = TemporaryNameFor(path, serial);
        if (name.empty())
            return name;
        file.Open(name, FileAccess::Write, FileDisposition::CreateNew, false, FileShare::None);
        if (file.IsOpen())
            return name;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return std::string();
    }
    return std::string();
}

// The name of the save lock of a path: a hash of its full path folded as
// SamePath compares paths (the path itself may be longer than an object
// name may be).
std::string SaveLockName(const std::string& path)
{
    const uint64_t h = FoldedPathHash(FullPathOf(path).c_str());
    char name[40];
    snprintf(name, sizeof name, "VuvSave_%016llX", static_cast<unsigned long long>(h));
    return name;
}

}  // namespace

SaveLock::SaveLock(const std::string& path) : mutex_(SaveLockName(path).c_str()) {}

bool SaveLock::Acquire(uint32_t waitMs) { return mutex_.LockWithin(waitMs); }

WriteOutcome WriteReplacing(const std::string& path, const std::function<bool(FileHandle&)>& write)
{
    SaveLock lock(path);
    if (!lock.Acquire())
        return WriteOutcome::NotWritten;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return WriteOutcome::ReadOnly;
    FileHandle file;
    const std::string temporary = CreateTemporaryFor(path, file);
    if (temporary.empty())
        return WriteOutcome::NotWritten;
    const bool written = write(file);
    file.Close();
    if (!written) {
        DeleteFileAt(temporary);
        return WriteOutcome::NotWritten;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        SetFileAttributesA(temporary.c_str(), attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    const uint32_t start = TickCountMs();
    for (;;) {
        const ReplaceResult result = ReplaceFileWith(temporary, path);
        if (result == ReplaceResult::Replaced)
            return WriteOutcome::Written;
        if (result != ReplaceResult::TargetInUse || TickCountMs() - start >= kReplaceRetryMs) {
            DeleteFileAt(temporary);
            return result == ReplaceResult::TargetInUse ? WriteOutcome::InUse : WriteOutcome::NotWritten;
        }
        SleepMs(kReplacePauseMs);
    }
}

}  // namespace vuv
