#include "platform/FileRemoval.h"

#include <windows.h>

namespace vuv {

bool RemoveFile(const std::string& path)
{
    return !path.empty() && DeleteFileA(path.c_str()) != 0;
}

FileDeletion DeleteFileReporting(const std::string& path)
{
    FileDeletion result;
    if (!path.empty() && DeleteFileA(path.c_str())) {
        result.deleted = true;
        return result;
    }
    const DWORD error = path.empty() ? ERROR_INVALID_NAME : GetLastError();
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        result.deleted = result.wasMissing = true;
        return result;
    case ERROR_ACCESS_DENIED: {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            result.reason = "it is a folder";
        else if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            result.reason = "the file is read-only";
        else
            result.reason = "access is denied";
        break;
    }
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        result.reason = "another program is using the file";
        break;
    case ERROR_WRITE_PROTECT:
        result.reason = "the disk is write-protected";
        break;
    default:
        result.reason = "error " + std::to_string(error);
        break;
    }
    return result;
}

}  // namespace vuv
