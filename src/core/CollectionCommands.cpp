#include "core/CollectionCommands.h"

#include "core/CollectionFile.h"
#include "core/CollectionStore.h"
#include "core/PathKey.h"
#include "core/TrackListView.h"
#include "platform/FileHandle.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"

#include <cstring>
#include <unordered_map>

namespace vuv {
namespace {

constexpr size_t kRecordsPerRead = 1024;  // 648 KiB per read

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

    FileHandle file;
    file.Open(chosenPath, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    result.opened = file.IsOpen();
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

        PathSet known;
        known.reserve(store.Count() + size_t(file.Size() / sizeof(TrackRecord)));
        for (size_t i = 0; i < store.Count(); ++i)
            known.insert(store.Track(i).path);
        FileTypeLookup types;
        std::vector<TrackRecord> block(kRecordsPerRead);
        const uint32_t want = uint32_t(block.size() * sizeof(TrackRecord));
        for (;;) {
            const uint32_t got = file.Read(block.data(), want);
            const size_t whole = got / sizeof(TrackRecord);
            for (size_t i = 0; i < whole; ++i) {
                TrackRecord& other = block[i];
                other.path[kPathTextSize - 1] = '\0';
                other.artist[kTagTextSize - 1] = '\0';
                other.title[kTagTextSize - 1] = '\0';
                other.album[kTagTextSize - 1] = '\0';
                if (known.count(other.path))
                    continue;
                uint16_t oldIds[kGenreSlots];
                memcpy(oldIds, other.genreIds, sizeof oldIds);
                memset(other.genreIds, 0, sizeof other.genreIds);
                TrackRecord& added = store.AppendTrack(other, &types);
                for (int s = 0; s < kGenreSlots; ++s) {
                    auto it = oldIds[s] ? translated.find(oldIds[s]) : translated.end();
                    if (it != translated.end())
                        added.genreIds[s] = it->second;
                }
                known.insert(added.path);  // the store's record does not move
                ++result.added;
            }
            if (got < want)
                break;
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
