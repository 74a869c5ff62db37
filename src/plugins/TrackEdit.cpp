#include "plugins/TrackEdit.h"

#include "platform/TextCompare.h"
#include "plugins/TagCommands.h"
#include "plugins/TagFileWriter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace vuv {

namespace {

bool Holds(const TrackRecord& track, uint16_t id)
{
    return std::find(std::begin(track.genreIds), std::end(track.genreIds), id) !=
           std::end(track.genreIds);
}

// The decimal value of a typed number, as the C library reads it ("12ab"
// gives 12, "ab" gives 0).
long DecimalValue(const std::string& text) { return strtol(text.c_str(), nullptr, 10); }

// Sets a text field of the record and its tag element; the record takes the
// text only when the file does (or cannot hold it).
void EditText(TagFileWriter& writer, char (&field)[kTagTextSize], const char* element,
              const std::string& typed)
{
    if (typed.empty())
        return;
    const std::string text = typed.substr(0, kTagTextSize - 1);
    if (writer.Write(element, text))
        SetField(field, text);
}

// The slots as OK refills them: in the order of the choices, an included
// genre always, a mixed one when the track had it, at most 20.
void RefilledGenres(const TrackRecord& track, const std::vector<GenreChoice>& choices,
                    uint16_t (&slots)[kGenreSlots])
{
    std::fill(std::begin(slots), std::end(slots), uint16_t(0));
    int used = 0;
    for (const GenreChoice& choice : choices) {
        if (used == kGenreSlots)
            break;
        if (choice.state == GenreState::Included ||
            (choice.state == GenreState::Mixed && Holds(track, choice.id)))
            slots[used++] = choice.id;
    }
}

void EditTrack(CollectionStore& store, TrackRecord& track, const TrackEdit& edit,
               TagFileWriter& writer)
{
    track.flags &= ~uint32_t(kFlagNew);
    EditText(writer, track.artist, "ARTIST", edit.artist);
    EditText(writer, track.title, "TITLE", edit.title);
    EditText(writer, track.album, "ALBUM", edit.album);
    if (!edit.year.empty() && writer.Write("YEAR", edit.year))
        track.year = int16_t(DecimalValue(edit.year));
    // Preference and volume boost live in the collection alone.
    if (edit.preference >= 0)
        track.preference = uint8_t(edit.preference);
    if (edit.volumeBoost >= 0)
        track.volumeBoost = int16_t(edit.volumeBoost);

    uint16_t slots[kGenreSlots];
    RefilledGenres(track, edit.genres, slots);
    bool takeGenres = !writer.Blocked();
    const char* first = store.Genres().NameOf(slots[0]);
    if (takeGenres && first != nullptr)
        takeGenres = writer.Write("GENRE", first);
    if (takeGenres)
        memcpy(track.genreIds, slots, sizeof slots);

    if (!edit.comment.empty())
        writer.Write("COMMENT", edit.comment);
    if (!edit.trackNumber.empty() && writer.Write("TRACK", edit.trackNumber))
        track.trackNumber = uint8_t(DecimalValue(edit.trackNumber) & 0xFF);
    store.AddNamesOf(track);
}

}  // namespace

TrackSelectionSummary SummariseTracks(const CollectionStore& store, const std::vector<size_t>& rows)
{
    TrackSelectionSummary summary;
    const std::vector<size_t> order = TracksInCollectionOrder(rows, store.Count());
    std::unordered_map<uint16_t, size_t> holders;  // genre id -> tracks that have it
    for (size_t i = 0; i < order.size(); ++i) {
        const TrackRecord& track = store.Track(order[i]);
        if (i == 0) {
            summary.artist = track.artist;
            summary.album = track.album;
            summary.year = track.year;
            summary.trackNumber = track.trackNumber;
            summary.preference = track.preference;
            summary.volumeBoost = track.volumeBoost;
        } else {
            if (summary.artist != track.artist)
                summary.artist.clear();
            if (summary.album != track.album)
                summary.album.clear();
            if (summary.year != track.year)
                summary.year = 0;
            if (summary.trackNumber != track.trackNumber)
                summary.trackNumber = 0;
            if (summary.preference != track.preference)
                summary.preference = -1;
            if (summary.volumeBoost != track.volumeBoost)
                summary.volumeBoost = -1;
        }
        // Each genre counted once per track, however many slots hold it.
        for (int slot = 0; slot < kGenreSlots; ++slot) {
            const uint16_t id = track.genreIds[slot];
            if (id != 0 && std::find(track.genreIds, track.genreIds + slot, id) == track.genreIds + slot)
                ++holders[id];
        }
    }
    if (order.size() == 1)
        summary.title = store.Track(order[0]).title;
    for (const GenreRecord& genre : store.Genres().Records()) {
        auto it = holders.find(genre.id);
        const size_t count = it == holders.end() ? 0 : it->second;
        const GenreState state = count == 0              ? GenreState::Excluded
                                 : count == order.size() ? GenreState::Included
                                                         : GenreState::Mixed;
        summary.genres.push_back({genre.id, state});
    }
    return summary;
}

void SortGenreChoicesByName(const GenreList& genres, std::vector<GenreChoice>& choices)
{
    auto name = [&genres](uint16_t id) {
        const char* text = genres.NameOf(id);
        return text != nullptr ? text : "";
    };
    std::stable_sort(choices.begin(), choices.end(), [&](const GenreChoice& a, const GenreChoice& b) {
        return CompareListTexts(name(a.id), name(b.id)) < 0;
    });
}

TrackEditResult ApplyTrackEdit(CollectionStore& store, const std::vector<size_t>& rows,
                               const TrackEdit& edit, const TrackEditProgress& progress)
{
    TrackEditResult result;
    const std::vector<size_t> order = TracksInCollectionOrder(rows, store.Count());
    for (size_t index : order) {
        TrackRecord& track = store.Track(index);
        TagFileWriter writer(track.path);
        EditTrack(store, track, edit, writer);
        ++result.tracks;
        if (writer.FirstRefusal().empty())
            ++result.edited;
        else
            result.unwritten.push_back({track.path, writer.FirstRefusal()});
        if (progress && !progress(result.tracks, order.size()) && result.tracks < order.size()) {
            result.stopped = true;
            break;
        }
    }
    return result;
}

std::vector<std::string> UnwrittenTagLines(const std::vector<UnwrittenTag>& unwritten)
{
    std::vector<std::string> lines;
    for (const UnwrittenTag& tag : unwritten)
        lines.push_back("'" + tag.path + "': " + tag.reason);
    return lines;
}

}  // namespace vuv
