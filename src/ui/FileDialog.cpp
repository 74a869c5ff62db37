#include "ui/FileDialog.h"

#include "platform/Paths.h"
#include "platform/Settings.h"

#include <cstring>

namespace vuv {

namespace {

constexpr size_t kPickBufferSize = 100000;

}  // namespace

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

std::vector<std::string> ChooseFiles(HWND owner, const FileDialogSpec& spec)
{
    std::vector<char> buffer(kPickBufferSize, '\0');
    const std::string folder = spec.folderSetting ? GetText(spec.folderSetting) : std::string();
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = spec.filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = DWORD(buffer.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = spec.title;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | spec.flags;
    if (!GetOpenFileNameA(&ofn))
        return {};
    std::string picked;
    std::vector<std::string> paths = PickedPaths(buffer.data(), buffer.size(), picked);
    if (spec.folderSetting)
        SetText(picked.c_str(), spec.folderSetting);
    return paths;
}

std::vector<std::string> PickedPaths(const char* buffer, size_t size, std::string& folder)
{
    std::vector<std::string> parts;
    for (size_t at = 0; at < size && buffer[at];) {
        const size_t length = strnlen(buffer + at, size - at);
        parts.emplace_back(buffer + at, length);
        at += length + 1;
    }
    std::vector<std::string> paths;
    folder = parts.size() == 1 ? FolderOf(parts[0]) : parts.empty() ? std::string() : parts[0];
    EnsureTrailingBackslash(folder);
    if (parts.size() == 1)
        paths.push_back(parts[0]);
    for (size_t i = 1; i < parts.size(); ++i)
        paths.push_back(folder + parts[i]);
    return paths;
}

}  // namespace vuv
