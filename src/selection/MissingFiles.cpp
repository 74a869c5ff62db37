#include "selection/MissingFiles.h"

#include "platform/FileIdentity.h"
#include "platform/Paths.h"

#include <cstring>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace vuv {

namespace {

std::string FoldedName(const std::string& name)
{
    std::string key = name;
    for (char& c : key)
        c = char(FoldPathChar(static_cast<unsigned char>(c)));
    return key;
}

bool IsDeviceName(const std::string& name)
{
    // CON, PRN, AUX, NUL, COM1..9, LPT1..9, with or without an extension:
    // a search by such a name finds the device in any folder.
    std::string base = FoldedName(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

// A name that a search finds exactly when a folder's listing holds it (or
// holds it as an 8.3 alias). Others are searched for folder by folder.
bool IsPlainName(const std::string& name)
{
    if (name.empty() || name.back() == '.' || name.back() == ' ')
        return false;
    for (unsigned char c : name)
        if (c < 32 || std::strchr("*?<>\"/:|", c))
            return false;
    return !IsDeviceName(name);
}

struct FolderIdentityHash {
    size_t operator()(const FileIdentity& id) const
    {
        return std::hash<uint64_t>()(id.index * 31 + id.volume) ^ std::hash<uint64_t>()(id.written);
    }
};

// The folders of a tree in walk order, and for each wanted name the
// folders whose listing holds it.
class TreeIndex {
public:
    struct Folder {
        std::string path;  // ends in "\"
        bool listed;
    };

    explicit TreeIndex(const std::unordered_set<std::string>& wanted) : wanted_(wanted) {}

    void Build(const std::string& root)
    {
        FileIdentity id;
        if (IdentityOf(root, id))
            visited_.insert(id);
        Walk(root);
    }

    const std::vector<Folder>& Folders() const { return folders_; }
    const std::vector<uint32_t>& Unlisted() const { return unlisted_; }
    const std::vector<uint32_t>* Holders(const std::string& key) const
    {
        auto found = holders_.find(key);
        return found == holders_.end() ? nullptr : &found->second;
    }

private:
    void Walk(const std::string& folder)
    {
        std::vector<FolderEntry> entries;
        const bool listed = ListFolder(folder, "*.*", entries);
        for (const FolderEntry& entry : entries) {
            if (!entry.isFolder)
                continue;
            FileIdentity id;
            if (IdentityOf(entry.fullPath, id) && !visited_.insert(id).second)
                continue;
            Walk(entry.fullPath + "\\");
        }
        const uint32_t ordinal = uint32_t(folders_.size());
        folders_.push_back({folder, listed});
        if (!listed) {
            unlisted_.push_back(ordinal);
            return;
        }
        for (const FolderEntry& entry : entries) {
            Hold(entry.name, ordinal);
            if (!entry.shortName.empty())
                Hold(entry.shortName, ordinal);
        }
    }

    void Hold(const std::string& name, uint32_t ordinal)
    {
        std::string key = FoldedName(name);
        if (!wanted_.count(key))
            return;
        std::vector<uint32_t>& holders = holders_[key];
        if (holders.empty() || holders.back() != ordinal)
            holders.push_back(ordinal);
    }

    const std::unordered_set<std::string>& wanted_;
    std::vector<Folder> folders_;
    std::vector<uint32_t> unlisted_;
    std::unordered_map<std::string, std::vector<uint32_t>> holders_;
    std::unordered_set<FileIdentity, FolderIdentityHash> visited_;
};

// The first folder, in walk order, where the name is found: the index
// answers for listed folders; unlisted ones are asked by a search.
bool FindInTree(const TreeIndex& tree, const std::string& name, std::string& found)
{
    const std::vector<TreeIndex::Folder>& folders = tree.Folders();
    auto tryFolder = [&](uint32_t ordinal, bool known) {
        std::string candidate = folders[ordinal].path + name;
        if (candidate.size() >= kPathTextSize || !(known || Exists(candidate)))
            return false;
        found = std::move(candidate);
        return true;
    };
    if (!IsPlainName(name)) {
        for (uint32_t o = 0; o < folders.size(); ++o)
            if (tryFolder(o, false))
                return true;
        return false;
    }
    static const std::vector<uint32_t> kNone;
    const std::vector<uint32_t>* held = tree.Holders(FoldedName(name));
    const std::vector<uint32_t>& holders = held ? *held : kNone;
    const std::vector<uint32_t>& unlisted = tree.Unlisted();
    size_t h = 0, u = 0;
    while (h < holders.size() || u < unlisted.size()) {
        const bool takeHolder = u == unlisted.size() || (h < holders.size() && holders[h] < unlisted[u]);
        if (takeHolder ? tryFolder(holders[h++], true) : tryFolder(unlisted[u++], false))
            return true;
    }
    return false;
}

}  // namespace

std::vector<size_t> HighlightMissingFiles(TrackRecord* const* tracks, size_t count)
{
    std::vector<size_t> missing;
    for (size_t i = 0; i < count; ++i) {
        TrackRecord& track = *tracks[i];
        if (Exists(track.path)) {
            track.flags &= ~uint32_t(kFlagMissing);
        } else {
            track.flags |= kFlagMissing;
            missing.push_back(i);
        }
    }
    return missing;
}

LocateResult LocateMissingFiles(TrackRecord* const* tracks, size_t count, const std::string& folder)
{
    LocateResult result;
    std::vector<size_t> missing;
    std::unordered_set<std::string> wanted;
    for (size_t i = 0; i < count; ++i) {
        if (Exists(tracks[i]->path))
            continue;
        missing.push_back(i);
        const std::string name = FileNameOf(tracks[i]->path);
        if (IsPlainName(name))
            wanted.insert(FoldedName(name));
    }
    result.missing = missing.size();
    if (missing.empty())
        return result;
    std::string root = folder;
    EnsureTrailingBackslash(root);
    TreeIndex tree(wanted);
    tree.Build(root);
    for (size_t i : missing) {
        TrackRecord& track = *tracks[i];
        std::string found;
        if (FindInTree(tree, FileNameOf(track.path), found)) {
            SetField(track.path, found);
            track.flags &= ~uint32_t(kFlagMissing);
            ++result.located;
        } else {
            track.flags |= kFlagMissing;
        }
    }
    return result;
}

}  // namespace vuv
