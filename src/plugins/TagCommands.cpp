#include "plugins/TagCommands.h"

#include "platform/Paths.h"
#include "platform/UserMessages.h"
#include "plugins/InputPluginHost.h"
#include "plugins/PluginCalls.h"
#include "plugins/TrackInfo.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vuv {

namespace {

// The selected indices that name a track, ascending, each once.
std::vector<size_t> InCollectionOrder(const std::vector<size_t>& selected, size_t count)
{
    std::vector<size_t> order;
    for (size_t index : selected)
        if (index < count)
            order.push_back(index);
    std::sort(order.begin(), order.end());
    order.erase(std::unique(order.begin(), order.end()), order.end());
    return order;
}

}  // namespace

bool RefreshFromIdTag(CollectionStore& store, const std::vector<size_t>& selected, bool ask)
{
    if (ask && !AskYesNo("Replace Music Collection Tag information from ID Tag?"))
        return false;
    for (size_t index : InCollectionOrder(selected, store.Count())) {
        TrackRecord& track = store.Track(index);
        TrackRecord fresh;
        memset(&fresh, 0, sizeof fresh);
        memcpy(fresh.path, track.path, sizeof fresh.path);
        FillTrackFromFile(fresh, nullptr);
        memcpy(track.album, fresh.album, sizeof track.album);
        memcpy(track.artist, fresh.artist, sizeof track.artist);
        track.year = fresh.year;
        memcpy(track.title, fresh.title, sizeof track.title);
        track.trackNumber = fresh.trackNumber;
        track.channels = fresh.channels;
        track.kbps = fresh.kbps;
        track.sampleRate = fresh.sampleRate;
        track.lengthMs = fresh.lengthMs;
        track.fileSize = fresh.fileSize;
    }
    return true;
}

bool RewriteIdTag(const CollectionStore& store, const std::vector<size_t>& selected, bool ask)
{
    if (ask && !AskYesNo("Information: Rewriting ID Tag will overwrite the ID Tag held in selected "
                         "files with that stored in Vo Varar Odududaroz, Proceed?"))
        return false;
    const GenreList* genres = store.HasGenreList() ? &store.Genres() : nullptr;
    for (size_t index : InCollectionOrder(selected, store.Count())) {
        const TrackRecord& track = store.Track(index);
        const PluginModule* plugin = FindPluginForExtension(ExtensionOf(track.path));
        if (plugin == nullptr || plugin->setIDTagElement == nullptr)
            continue;
        const std::string path = track.path;
        WriteTagElement(path, "ARTIST", track.artist);
        WriteTagElement(path, "TITLE", track.title);
        WriteTagElement(path, "ALBUM", track.album);
        if (track.year != 0)
            WriteTagElement(path, "YEAR", std::to_string(track.year));
        if (genres != nullptr && !genres->Empty() && track.genreIds[0] != 0) {
            if (const char* genre = genres->NameOf(track.genreIds[0]))
                WriteTagElement(path, "GENRE", genre);
        }
        if (track.trackNumber != 0)
            WriteTagElement(path, "TRACK", std::to_string(track.trackNumber));
    }
    return true;
}

}  // namespace vuv
