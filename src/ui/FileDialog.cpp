#include "ui/FileDialog.h"

#include "platform/Paths.h"
#include "platform/Settings.h"

namespace vuv {

std::string ChooseFile(HWND owner, const FileDialogSpec& spec)
{
    char file[kMaxPath] = "";
    const std::string folder = spec.folderSetting ? GetText(spec.folderSetting) : std::string();
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = spec.filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = spec.title;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | spec.flags;
    if (!(spec.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn)))
        return std::string();
    if (spec.folderSetting)
        SetText(FolderOf(file).c_str(), spec.folderSetting);
    return file;
}

}  // namespace vuv
