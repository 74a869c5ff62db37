#include "platform/FileReplace.h"

#include <windows.h>

namespace vuv {
namespace {

constexpr const char* kSavingSuffix = ".saving";

}  // namespace

ReplaceResult ReplaceFileWith(const std::string& source, const std::string& target)
{
    if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
        return ReplaceResult::Replaced;
    DWORD error = GetLastError();
    // An open handle without delete sharing makes the rename fail with one of
    // these; the target itself is still writable in place then.
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
        error == ERROR_LOCK_VIOLATION)
        return ReplaceResult::TargetInUse;
    return ReplaceResult::Failed;
}

bool MoveFileTo(const std::string& source, const std::string& target)
{
    return MoveFileA(source.c_str(), target.c_str()) != 0;
}

bool DeleteFileAt(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool WriteReplacing(const std::string& path, const std::function<bool(const std::string&)>& write)
{
    // A read-only file is not replaced (the system's rename would refuse
    // it too, where it keeps that rule).
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    const std::string temporary = path + kSavingSuffix;
    if (!write(temporary)) {
        DeleteFileAt(temporary);
        return false;
    }
    switch (ReplaceFileWith(temporary, path)) {
    case ReplaceResult::Replaced:
        return true;
    case ReplaceResult::TargetInUse:
        DeleteFileAt(temporary);
        return write(path);
    case ReplaceResult::Failed:
    default:
        DeleteFileAt(temporary);
        return false;
    }
}

}  // namespace vuv
