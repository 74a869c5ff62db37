#include "core/CollectionCommands.h"

#include "core/CollectionFile.h"
#include "core/CollectionStore.h"
#include "core/TrackListView.h"
#include "platform/FileHandle.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"

#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace vuv {
namespace {

// Hash and equality of paths ignoring case, consistent with SamePath.
struct PathKeyHash {
    size_t operator()(const char* path) const
    {
        size_t h = 14695981039346656037ull & size_t(-1);
        for (const unsigned char* p = reinterpret_cast<const unsigned char*>(path); *p; ++p)
            h = (h ^ FoldPathChar(*p)) * size_t(1099511628211ull & size_t(-1));
        return h;
    }
};
struct PathKeyEqual {
    bool operator()(const char* a, const char* b) const { return SamePath(a, b); }
};

void RememberCollectionFolder(const std::string& path)
{
    SetText(FolderOf(path).c_str(), kCollectionFolderSetting);
}

// The shared first steps of New and Save As; empty when the user declined.
std::string PrepareNewPath(const std::string& chosenPath)
{
    RememberCollectionFolder(chosenPath);
    const std::string path = CollectionPathWithExtension(chosenPath);
    if (Exists(path) && !AskYesNo("Overwrite Existing Music Collection?"))
        return std::string();
    return path;
}

}  // namespace

std::string CollectionPathWithExtension(const std::string& chosenPath)
{
    if (ExtensionOf(chosenPath) == ".")
        return chosenPath + kCollectionExtension;
    return chosenPath;
}

bool NewCollection(const std::string& chosenPath)
{
    const std::string path = PrepareNewPath(chosenPath);
    if (path.empty())
        return false;
    CollectionStore& store = TheCollectionStore();
    store.SaveCollection(true);
    SetActiveCollection(path);
    DeleteFileAt(path);
    store.LoadCollection();
    return true;
}

bool SaveCollectionAs(const std::string& chosenPath)
{
    const std::string path = PrepareNewPath(chosenPath);
    if (path.empty())
        return false;
    CollectionStore& store = TheCollectionStore();
    store.SaveCollection(true);
    SetActiveCollection(path);
    store.SaveCollection(true);
    store.LoadCollection();
    return true;
}

void LoadCollectionFromFile(const std::string& chosenPath)
{
    RememberCollectionFolder(chosenPath);
    CollectionStore& store = TheCollectionStore();
    store.SaveCollection(true);
    SetActiveCollection(chosenPath);
    store.LoadCollection();
}

bool ClearAllTracks()
{
    if (!AskYesNo("Clear All Tracks From Music Collection?"))
        return false;
    TheCollectionStore().ClearCollection();
    return true;
}

void UndoAnyEditing() { TheCollectionStore().LoadCollection(); }

CombineResult CombineCollection(const std::string& chosenPath)
{
    BusyScope busy;
    SetText(FolderOf(chosenPath).c_str(), kLastFolderSetting);
    CollectionStore& store = TheCollectionStore();
    TrackListView& view = TheTrackListView();
    CombineResult result;
    const size_t firstAdded = store.Count();

    std::vector<TrackRecord> others;
    result.opened = ReadTrackFile(chosenPath, others, false);
    if (result.opened) {
        GenreList otherGenres;
        otherGenres.Load(GenreListPathFor(chosenPath));
        GenreList& genres = store.Genres();
        for (const GenreRecord& g : otherGenres.Records())
            genres.IdFor(g.name, true);
        // Old id -> id of the same name in the active list, for the ids the
        // other list holds (worked out once per id).
        std::unordered_map<uint16_t, uint16_t> translated;
        for (const GenreRecord& g : otherGenres.Records())
            if (!translated.count(g.id))
                translated.emplace(g.id, genres.IdFor(otherGenres.NameOf(g.id), false));

        std::unordered_set<const char*, PathKeyHash, PathKeyEqual> known;
        known.reserve(store.Count() + others.size());
        for (size_t i = 0; i < store.Count(); ++i)
            known.insert(store.Track(i).path);
        for (TrackRecord& other : others) {
            other.path[kPathTextSize - 1] = '\0';
            other.artist[kTagTextSize - 1] = '\0';
            other.title[kTagTextSize - 1] = '\0';
            other.album[kTagTextSize - 1] = '\0';
            if (known.count(other.path))
                continue;
            uint16_t oldIds[kGenreSlots];
            memcpy(oldIds, other.genreIds, sizeof oldIds);
            memset(other.genreIds, 0, sizeof other.genreIds);
            TrackRecord& added = store.AppendTrack(other);
            for (int s = 0; s < kGenreSlots; ++s) {
                auto it = oldIds[s] ? translated.find(oldIds[s]) : translated.end();
                if (it != translated.end())
                    added.genreIds[s] = it->second;
            }
            known.insert(added.path);  // the store's record does not move
            ++result.added;
        }
    }
    view.SetItemCount(store.Count());
    if (result.added) {
        view.SelectOnly(int(firstAdded));
        for (size_t i = firstAdded; i < store.Count(); ++i)
            view.AddToSelection(int(i));
    }
    view.Repaint();
    return result;
}

}  // namespace vuv
