// Path, folder and small text helpers. Paths are ANSI texts of at most 259
// characters; none of these keeps state between calls, so the arrange worker
// thread may use them too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

constexpr size_t kMaxPath = 260;  // path buffers: 259 characters and a NUL

// From the last "." to the end when that "." comes after the last "\";
// otherwise "." alone (a name without extension yields ".").
std::string ExtensionOf(const std::string& path);
// Up to and including the last "\"; the whole path when there is none.
std::string FolderOf(const std::string& path);
// After the last "\"; the whole path when there is none.
std::string FileNameOf(const std::string& path);
// Cut at the last "." when it comes after the last "\".
std::string StripExtension(const std::string& path);
// FileNameOf(StripExtension(path)).
std::string BaseNameOf(const std::string& path);
// Appends "\" to a non-empty path that does not end with one.
void EnsureTrailingBackslash(std::string& path);
// The path made absolute against the current folder (as the system opens
// it); the path itself when that fails.
std::string FullPathOf(const std::string& path);

// Creates every missing folder of the path; existing folders are left alone
// and failures are ignored. A network path starts below its share.
void CreateFolderChain(const std::string& path);

// True when a file system search finds the path; `isFolder` (optional) tells
// whether the entry found is a folder.
bool Exists(const std::string& path, bool* isFolder = nullptr);

struct FolderEntry {
    std::string name;
    std::string fullPath;  // folder + name
    bool isFolder = false;
    // A link, junction or other reparse point: the entry stands for another
    // place, which may be one of its own parents.
    bool isLink = false;
};
// The entries of `folder` matching the wildcard `pattern` ("*.*" for all),
// in the file system's order, without "." and "..".
std::vector<FolderEntry> FolderEntries(const std::string& folder, const std::string& pattern);
// The same into `entries`; false when the folder could not be searched at
// all (missing, not a folder, no right to list it), which an empty result
// alone cannot tell from an empty folder. `missing` (optional) tells that
// the folder's path leads nowhere, so that nothing below it exists.
bool ListFolder(const std::string& folder, const std::string& pattern, std::vector<FolderEntry>& entries,
                bool* missing = nullptr);

// Paths compared without regard to case, as everywhere in the program: each
// byte is folded by the system's upper-casing of the ANSI code page, so that
// FoldPathChar gives a key consistent with SamePath (for hashing).
unsigned char FoldPathChar(unsigned char c);
// FNV-1a over the folded bytes of a NUL-terminated path: paths that
// SamePath calls equal hash alike, in every process and build.
uint64_t FoldedPathHash(const char* path);
bool SamePath(const char* a, const char* b);
bool SamePath(const std::string& a, const std::string& b);

// Removes spaces (only ' ') at both ends, in place.
void TrimSpaces(std::string& text);
void TrimSpaces(char* text);
// Copies src into a buffer of `size` bytes, cut to size - 1 characters.
void CopyBounded(char* dst, const char* src, size_t size);

}  // namespace vuv
