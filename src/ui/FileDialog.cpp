#include "ui/FileDialog.h"

#include "platform/Paths.h"
#include "platform/Settings.h"

#include <cstring>

namespace vuv {

namespace {

constexpr size_t kPickBufferSize = 100000;

// The folder the dialog starts in; empty: the dialog's own memory.
std::string StartFolder(const FileDialogRequest& request)
{
    return request.folderSetting ? GetText(request.folderSetting) : std::string();
}

// Both dialogs' set-up; `folder` and `file` must outlive the dialog's run.
OPENFILENAMEA DialogFor(HWND owner, const FileDialogRequest& request, const std::string& folder, char* file,
                        size_t fileSize)
{
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = request.filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = DWORD(fileSize);
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = request.title;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | request.flags;
    return ofn;
}

}  // namespace

std::string ChooseFile(HWND owner, const FileDialogRequest& request)
{
    char file[kMaxPath] = "";
    const std::string folder = StartFolder(request);
    OPENFILENAMEA ofn = DialogFor(owner, request, folder, file, sizeof file);
    if (!(request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn)))
        return std::string();
    if (request.folderSetting)
        SetText(FolderOf(file).c_str(), request.folderSetting);
    return file;
}

std::vector<std::string> ChooseFiles(HWND owner, const FileDialogRequest& request)
{
    std::vector<char> buffer(kPickBufferSize, '\0');
    const std::string folder = StartFolder(request);
    OPENFILENAMEA ofn = DialogFor(owner, request, folder, buffer.data(), buffer.size());
    ofn.nFilterIndex = 1;
    ofn.Flags |= OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameA(&ofn))
        return {};
    std::string picked;
    std::vector<std::string> paths = PickedPaths(buffer.data(), buffer.size(), picked);
    if (request.folderSetting)
        SetText(picked.c_str(), request.folderSetting);
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
