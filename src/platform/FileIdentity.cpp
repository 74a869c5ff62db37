#include "platform/FileIdentity.h"

#include <windows.h>

namespace vuv {

bool IdentityOf(const std::string& path, FileIdentity& out)
{
    // No access asked: attributes only, so that a folder without the right
    // to list it still answers. Backup semantics let a folder be opened.
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(h, &info) != FALSE;
    CloseHandle(h);
    if (!ok)
        return false;
    out.volume = info.dwVolumeSerialNumber;
    out.index = (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    out.written = (uint64_t(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime;
    return true;
}

}  // namespace vuv
