#include "ui/FolderBrowser.h"

#include <shlobj.h>

namespace vuv {

std::string ChooseFolder(HWND owner, const char* title)
{
    char chosen[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = chosen;
    info.lpszTitle = title;
    PIDLIST_ABSOLUTE folder = SHBrowseForFolderA(&info);
    if (!folder)
        return std::string();
    if (!SHGetPathFromIDListA(folder, chosen))
        chosen[0] = '\0';
    CoTaskMemFree(folder);
    return chosen;
}

}  // namespace vuv
