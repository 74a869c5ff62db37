#include "platform/FileReplace.h"

#include <windows.h>

namespace vuv {
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

}  // namespace vuv
