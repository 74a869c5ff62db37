#include "selection/MissingFiles.h"

#include "core/PathKey.h"
#include "platform/FileIdentity.h"
#include "platform/Paths.h"

#include <cstring>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace vuv {

namespace {

bool IsDeviceName(const std::string& name)
{
    // CON, PRN, AUX, NUL, COM1..9, LPT1..9, with or without an extension:
    // a search by such a name finds the device in any folder.
    std::string base = FoldedPath(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

// A name that a search finds exactly when a folder's listing holds it.
// Others are searched for folder by folder: wildcards, a trailing dot or
// blank (dropped by the search), device names, and names with "~", which
// may be the 8.3 alias of another name.
bool IsPlainName(const std::string& name)
{
    if (name.empty() || name.back() == '.' || name.back() == ' ')
        return false;
    for (unsigned char c : name)
        if (c < 32 || std::strchr("*?<>\"/:|~", c))
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
        std::vector<Parent> parents;
        Walk(root, parents);
    }

    const std::vector<Folder>& Folders() const { return folders_; }
    const std::vector<uint32_t>& Unlisted() const { return unlisted_; }
    const std::vector<uint32_t>* Holders(const std::string& key) const
    {
        auto found = holders_.find(key);
        return found == holders_.end() ? nullptr : &found->second;
    }

private:
    // A folder being walked, with its identity once a link asked for it.
    struct Parent {
        const std::string* path;
        int known;  // -1 not asked yet, 0 unknown, 1 in `identity`
        FileIdentity identity;
    };

    // Whether a link leads back to a folder being walked or to a place a
    // link led to before. Identities are asked of links and, once a link
    // is met, of its parents: opening every folder would double the walk's
    // time, and only a link can lead back.
    bool SeenBefore(const std::string& link, std::vector<Parent>& parents)
    {
        FileIdentity target;
        if (!IdentityOf(link, target))
            return false;
        for (Parent& parent : parents) {
            if (parent.known < 0)
                parent.known = IdentityOf(*parent.path, parent.identity) ? 1 : 0;
            if (parent.known == 1 && parent.identity == target)
                return true;
        }
        return !linkTargets_.insert(target).second;
    }

    void Walk(const std::string& folder, std::vector<Parent>& parents)
    {
        std::vector<FolderEntry> entries;
        const bool listed = ListFolder(folder, "*.*", entries);
        parents.push_back({&folder, -1, {}});
        for (const FolderEntry& entry : entries)
            if (entry.isFolder && !(entry.isLink && SeenBefore(entry.fullPath, parents)))
                Walk(entry.fullPath + "\\", parents);
        parents.pop_back();
        const uint32_t ordinal = uint32_t(folders_.size());
        folders_.push_back({folder, listed});
        if (!listed) {
            unlisted_.push_back(ordinal);
            return;
        }
        for (const FolderEntry& entry : entries) {
            std::string key = FoldedPath(entry.name);
            if (!wanted_.count(key))
                continue;
            std::vector<uint32_t>& holders = holders_[key];
            if (holders.empty() || holders.back() != ordinal)  // names that differ only in case
                holders.push_back(ordinal);
        }
    }

    const std::unordered_set<std::string>& wanted_;
    std::vector<Folder> folders_;
    std::vector<uint32_t> unlisted_;
    std::unordered_map<std::string, std::vector<uint32_t>> holders_;
    std::unordered_set<FileIdentity, FolderIdentityHash> linkTargets_;
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
    const std::vector<uint32_t>* held = tree.Holders(FoldedPath(name));
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

// Whether each track's file exists, as a search by its path says, with
// one listing of each folder instead of one search of each track (under
// Wine a search costs about as much as listing a small folder). Odd
// names, and folders that cannot be listed, are searched track by track.
std::vector<bool> FilesExist(TrackRecord* const* tracks, size_t count)
{
    std::vector<bool> exists(count, false);
    std::unordered_map<std::string, std::vector<size_t>> byFolder;  // the folder's text as the path has it
    for (size_t i = 0; i < count; ++i) {
        const char* path = tracks[i]->path;
        const char* slash = std::strrchr(path, '\\');
        if (slash && IsPlainName(slash + 1))
            byFolder[std::string(path, slash + 1)].push_back(i);
        else
            exists[i] = Exists(path);
    }
    std::vector<FolderEntry> entries;
    std::unordered_set<std::string> names;
    for (const auto& [folder, indexes] : byFolder) {
        bool folderMissing = false;
        const bool listed = ListFolder(folder, "*.*", entries, &folderMissing);
        names.clear();
        for (const FolderEntry& entry : entries)
            names.insert(FoldedPath(entry.name));
        for (size_t i : indexes) {
            if (listed)
                exists[i] = names.count(FoldedPath(std::strrchr(tracks[i]->path, '\\') + 1)) != 0;
            else if (!folderMissing)
                exists[i] = Exists(tracks[i]->path);
        }
    }
    return exists;
}

}  // namespace

std::vector<size_t> HighlightMissingFiles(TrackRecord* const* tracks, size_t count)
{
    const std::vector<bool> exists = FilesExist(tracks, count);
    std::vector<size_t> missing;
    for (size_t i = 0; i < count; ++i) {
        TrackRecord& track = *tracks[i];
        if (exists[i]) {
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
    const std::vector<bool> exists = FilesExist(tracks, count);
    for (size_t i = 0; i < count; ++i) {
        if (exists[i])
            continue;
        missing.push_back(i);
        const std::string name = FileNameOf(tracks[i]->path);
        if (IsPlainName(name))
            wanted.insert(FoldedPath(name));
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
