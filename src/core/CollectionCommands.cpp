#include "core/CollectionCommands.h"

#include "core/CollectionFile.h"
#include "core/CollectionStore.h"
#include "core/PathKey.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/UserMessages.h"

#include <cstring>
#include <unordered_map>
#include <vector>

namespace vuv {
namespace {

// The shared first steps of New and Save As; empty when the user declined.
std::string PrepareNewPath(const std::string& chosenPath)
{
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

bool NewCollection(CollectionHost& host, const std::string& chosenPath)
{
    const std::string path = PrepareNewPath(chosenPath);
    if (path.empty())
        return false;
    host.Save(host.Store().ActivePath(), true);
    RememberActiveCollection(path);
    DeleteFileAt(path);
    host.Load(path);
    return true;
}

bool SaveCollectionAs(CollectionHost& host, const std::string& chosenPath)
{
    const std::string path = PrepareNewPath(chosenPath);
    if (path.empty())
        return false;
    host.Save(host.Store().ActivePath(), true);
    RememberActiveCollection(path);
    host.Save(path, true);
    host.Load(path);
    return true;
}

void LoadCollectionFromFile(CollectionHost& host, const std::string& chosenPath)
{
    host.Save(host.Store().ActivePath(), true);
    RememberActiveCollection(chosenPath);
    host.Load(chosenPath);
}

bool ClearAllTracks(CollectionStore& store)
{
    if (!AskYesNo("Clear All Tracks From Music Collection?"))
        return false;
    store.ClearCollection();
    return true;
}

CombineResult CombineCollection(CollectionStore& store, const std::string& chosenPath)
{
    CombineResult result;
    result.firstAdded = store.Count();
    TrackFileReader reader;
    result.opened = reader.Open(chosenPath);
    if (!result.opened)
        return result;

    if (store.Count() + reader.RecordCount() > kMaxCollectionTracks) {
        result.tooLarge = true;
        return result;
    }
    GenreList otherGenres;
    otherGenres.Load(GenreListPathFor(chosenPath));
    GenreList& genres = store.Genres();
    for (const GenreRecord& g : otherGenres.Records())
        if (genres.IdFor(g.name, true) == 0)
            ++result.genresLeftOut;
    // Old id -> id of the same name in the active list, for the ids the
    // other list holds (worked out once per id).
    std::unordered_map<uint16_t, uint16_t> translated;
    for (const GenreRecord& g : otherGenres.Records())
        if (!translated.count(g.id))
            translated.emplace(g.id, genres.IdFor(otherGenres.NameOf(g.id), false));

    PathSet known;
    known.reserve(store.Count() + size_t(reader.RecordCount()));
    const CollectionStore& reading = store;  // reading is no change
    for (size_t i = 0; i < reading.Count(); ++i)
        known.insert(reading.Track(i).path);
    FileTypeLookup types;
    std::vector<TrackRecord> block(kTrackFileBlock);
    while (const size_t whole = reader.ReadBlock(block.data(), block.size())) {
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
    }
    return result;
}

std::string CombineRefusalText(const CombineResult& result, const std::string& chosenPath)
{
    if (result.tooLarge)
        return "'" + chosenPath + "' was not combined: together the collections hold more tracks than a "
                                  "Music Collection can (at most 1,000,000).";
    if (result.genresLeftOut)
        return "The genre list holds every genre id it can: " + std::to_string(result.genresLeftOut) +
               " genres of '" + chosenPath + "' were not added, and its tracks lost them.";
    return std::string();
}

}  // namespace vuv
