#include "platform/Paths.h"

#include <windows.h>

#include <cstring>

namespace vuv {
namespace {

// Index of the dot that starts the extension, or npos.
size_t ExtensionDot(const std::string& path)
{
    size_t dot = path.rfind('.');
    if (dot == std::string::npos)
        return dot;
    size_t slash = path.rfind('\\');
    if (slash != std::string::npos && slash > dot)
        return std::string::npos;
    return dot;
}

}  // namespace

std::string ExtensionOf(const std::string& path)
{
    size_t dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string(".") : path.substr(dot);
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path)
{
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StripExtension(const std::string& path)
{
    size_t dot = ExtensionDot(path);
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string BaseNameOf(const std::string& path) { return FileNameOf(StripExtension(path)); }

void EnsureTrailingBackslash(std::string& path)
{
    if (!path.empty() && path.back() != '\\')
        path += '\\';
}

void CreateFolderChain(const std::string& input)
{
    std::string path = input;
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    if (path.empty())
        return;
    size_t pos;
    if (path.compare(0, 2, "\\\\") == 0) {
        // \\server\share\first: the first folder to create follows the share.
        pos = path.find('\\', 2);
        if (pos != std::string::npos)
            pos = path.find('\\', pos + 1);
    } else {
        pos = path.find('\\');  // the drive is skipped
    }
    while (pos != std::string::npos) {
        size_t next = path.find('\\', pos + 1);
        if (next == std::string::npos)
            break;
        CreateDirectoryA(path.substr(0, next).c_str(), nullptr);
        pos = next;
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

bool Exists(const std::string& path, bool* isFolder)
{
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(path.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) {
        if (isFolder)
            *isFolder = false;
        return false;
    }
    FindClose(h);
    if (isFolder)
        *isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
}

std::vector<FolderEntry> FolderEntries(const std::string& folder, const std::string& pattern)
{
    std::vector<FolderEntry> entries;
    ListFolder(folder, pattern, entries);
    return entries;
}

bool ListFolder(const std::string& folder, const std::string& pattern, std::vector<FolderEntry>& entries,
                bool* missing)
{
    entries.clear();
    std::string base = folder;
    EnsureTrailingBackslash(base);
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((base + pattern).c_str(), &data);
    const DWORD error = h == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    if (missing)
        *missing = error == ERROR_PATH_NOT_FOUND;
    if (h == INVALID_HANDLE_VALUE)
        return error == ERROR_FILE_NOT_FOUND;  // a folder with nothing that matches
    do {
        if (strcmp(data.cFileName, ".") == 0 || strcmp(data.cFileName, "..") == 0)
            continue;
        FolderEntry e;
        e.name = data.cFileName;
        e.fullPath = base + e.name;
        e.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        e.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entries.push_back(std::move(e));
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return true;
}

namespace {

// Each byte upper-cased as user32's CharUpperBuffA does it (through UTF-16
// and the user's casing), with kernel32 alone, so that programs without
// windows need not load user32 (WindowSystem.h).
struct FoldTable {
    unsigned char upper[256];
    FoldTable()
    {
        for (int i = 0; i < 256; ++i) {
            char c = char(i);
            wchar_t wide[2];
            const int n = MultiByteToWideChar(CP_ACP, 0, &c, 1, wide, 2);
            if (n > 0) {
                LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, wide, n, wide, n);
                WideCharToMultiByte(CP_ACP, 0, wide, n, &c, 1, nullptr, nullptr);
            }
            upper[i] = static_cast<unsigned char>(c);
        }
    }
};

const FoldTable& Fold()
{
    static const FoldTable table;
    return table;
}

}  // namespace

std::string FullPathOf(const std::string& path)
{
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full, n) : path;
}

unsigned char FoldPathChar(unsigned char c) { return Fold().upper[c]; }

uint64_t FoldedPathHash(const char* path)
{
    const unsigned char* upper = Fold().upper;
    uint64_t h = 14695981039346656037ull;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(path); *p; ++p)
        h = (h ^ upper[*p]) * 1099511628211ull;
    return h;
}

bool SamePath(const char* a, const char* b)
{
    const unsigned char* upper = Fold().upper;
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
    for (;; ++x, ++y) {
        if (upper[*x] != upper[*y])
            return false;
        if (*x == 0)
            return true;
    }
}

bool SamePath(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && SamePath(a.c_str(), b.c_str());
}

void TrimSpaces(std::string& text)
{
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    size_t last = text.find_last_not_of(' ');
    text.erase(last + 1);
    text.erase(0, first);
}

void TrimSpaces(char* text)
{
    std::string s = text;
    TrimSpaces(s);
    memcpy(text, s.c_str(), s.size() + 1);
}

void CopyBounded(char* dst, const char* src, size_t size)
{
    if (size == 0)
        return;
    size_t n = strlen(src);
    if (n > size - 1)
        n = size - 1;
    memcpy(dst, src, n);
    dst[n] = '\0';
}

}  // namespace vuv
