// Hashing of paths that compares them as the program does everywhere:
// without regard to case (SamePath). For sets of paths that must stay
// linear in the track count: Combine's duplicate test, and any caller that
// looks up many paths in the store.
#pragma once

#include "platform/Paths.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

namespace vuv {

struct PathKeyHash {
    size_t operator()(const char* path) const { return size_t(FoldedPathHash(path)); }
};

struct PathKeyEqual {
    bool operator()(const char* a, const char* b) const { return SamePath(a, b); }
};

// A set of NUL-terminated paths it does not own (the texts must outlive it).
using PathSet = std::unordered_set<const char*, PathKeyHash, PathKeyEqual>;

// The path case-folded as SamePath compares it: a key for maps and sets
// that own their texts.
inline std::string FoldedPath(const std::string& path)
{
    std::string key(path);
    for (char& c : key)
        c = char(FoldPathChar(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace vuv
