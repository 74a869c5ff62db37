#include "platform/FileRemoval.h"

#include <windows.h>

namespace vuv {

bool RemoveFile(const std::string& path)
{
    return !path.empty() && DeleteFileA(path.c_str()) != 0;
}

}  // namespace vuv
