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

// Writes the track's tag elements into its file; the reason of the first
// refusal, or empty. Every element is tried: a refusal leaves the file as it
// was, and a later element may still fit the file's tag format.
std::string WriteTrackTag(const TrackRecord& track, const GenreList* genres)
{
    const std::string path = track.path;
    std::string firstReason;
    auto write = [&](const char* name, const std::string& value) {
        TagWriteOutcome outcome = WriteTagElement(path, name, value);
        if (!outcome.written && firstReason.empty())
            firstReason = outcome.reason;
    };
    write("ARTIST", track.artist);
    write("TITLE", track.title);
    write("ALBUM", track.album);
    if (track.year != 0)
        write("YEAR", std::to_string(track.year));
    if (genres != nullptr && !genres->Empty() && track.genreIds[0] != 0) {
        if (const char* genre = genres->NameOf(track.genreIds[0]))
            write("GENRE", genre);
    }
    if (track.trackNumber != 0)
        write("TRACK", std::to_string(track.trackNumber));
    return firstReason;
}

// At most this many files are named in the report of unwritten tags.
constexpr size_t kMaxReportedFiles = 20;

}  // namespace

std::vector<size_t> TracksInCollectionOrder(const std::vector<size_t>& selected, size_t count)
{
    std::vector<size_t> order;
    for (size_t index : selected)
        if (index < count)
            order.push_back(index);
    std::sort(order.begin(), order.end());
    order.erase(std::unique(order.begin(), order.end()), order.end());
    return order;
}

std::string UnwrittenTagsMessage(const std::vector<std::string>& lines)
{
    std::string text = "Unable to write the ID tag of " + std::to_string(lines.size()) +
                       (lines.size() == 1 ? " file:" : " files:");
    for (size_t i = 0; i < lines.size() && i < kMaxReportedFiles; ++i)
        text += "\r\n" + lines[i];
    if (lines.size() > kMaxReportedFiles)
        text += "\r\n... and " + std::to_string(lines.size() - kMaxReportedFiles) + " more.";
    return text;
}

bool RefreshFromIdTag(CollectionStore& store, const std::vector<size_t>& selected, bool ask)
{
    if (ask && !AskYesNo("Replace Music Collection Tag information from ID Tag?"))
        return false;
    for (size_t index : TracksInCollectionOrder(selected, store.Count())) {
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

bool RewriteIdTag(const CollectionStore& store, const std::vector<size_t>& selected, bool ask,
                  size_t* unwritten)
{
    if (ask && !AskYesNo("Information: Rewriting ID Tag will overwrite the ID Tag held in selected "
                         "files with that stored in Vo Varar Odududaroz, Proceed?"))
        return false;
    std::vector<std::string> failed;  // "'path': reason"
    const GenreList* genres = store.HasGenreList() ? &store.Genres() : nullptr;
    for (size_t index : TracksInCollectionOrder(selected, store.Count())) {
        const TrackRecord& track = store.Track(index);
        const PluginModule* plugin = FindPluginForExtension(ExtensionOf(track.path));
        if (plugin == nullptr || plugin->setIDTagElement == nullptr)
            continue;
        const std::string reason = WriteTrackTag(track, genres);
        if (!reason.empty())
            failed.push_back("'" + std::string(track.path) + "': " + reason);
    }
    if (unwritten != nullptr)
        *unwritten = failed.size();
    if (!failed.empty())
        ShowMessage(UnwrittenTagsMessage(failed), kProgramTitle, MessageButtons::Ok, MessageIcon::Warning);
    return true;
}

}  // namespace vuv
