#include "platform/FileAttributes.h"

#include <windows.h>

namespace vuv {

bool ClearFileAttributes(const std::string& path)
{
    return !path.empty() && SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}

}  // namespace vuv
