// "edit INDEX... --set FIELD=VALUE...": the properties dialog's OK on tracks
// of the collection, without the dialog. The fields are those of the dialog
// (artist, title, album, year, track, genre) and of the tag (comment), and
// preference and volume; an empty value leaves a text field as it is, as an
// empty field of the dialog does. The tags are written, the collection is
// saved unsorted, and "edited E of N" is printed last: E of the N named
// tracks had every tag write go through.
#include "vuvtool/ToolCommand.h"

#include "core/CollectionStore.h"
#include "plugins/TagCommands.h"
#include "plugins/TrackEdit.h"

#include <cstdio>
#include <string>
#include <vector>

namespace vuvtool {

namespace {

// Some files refused a tag write: they were reported and keep what they
// held (so do their records); every other track was edited and the
// collection saved.
constexpr int kSomeTagsUnwritten = 3;

struct EditArguments {
    std::vector<std::string> indexes;
    vuv::TrackEdit edit;
    bool genresGiven = false;
    std::vector<std::string> genres;  // genre=NAME in order; an empty NAME names none
};

// False (with the message printed) on an argument the command does not take.
bool ParseEditArguments(const std::vector<std::string>& args, EditArguments& parsed)
{
    size_t i = 0;
    for (; i < args.size() && args[i] != "--set"; ++i)
        parsed.indexes.push_back(args[i]);
    if (parsed.indexes.empty() || i + 1 >= args.size())
        return false;
    vuv::TrackEdit& edit = parsed.edit;
    for (++i; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--set")
            continue;
        const size_t equals = arg.find('=');
        if (equals == std::string::npos) {
            fprintf(stderr, "vuvtool: not FIELD=VALUE: %s\n", arg.c_str());
            return false;
        }
        const std::string field = arg.substr(0, equals), value = arg.substr(equals + 1);
        long number = 0;
        if (field == "artist")
            edit.artist = value;
        else if (field == "title")
            edit.title = value;
        else if (field == "album")
            edit.album = value;
        else if (field == "year")
            edit.year = value;
        else if (field == "track")
            edit.trackNumber = value;
        else if (field == "comment")
            edit.comment = value;
        else if (field == "preference" && ParseNumber(value, 0, 9, number))
            edit.preference = int(number);
        else if (field == "volume" && ParseNumber(value, 0, vuv::kVolumeBoostAutomatic, number) &&
                 (number <= 1000 || number == vuv::kVolumeBoostAutomatic))
            edit.volumeBoost = int(number);
        else if (field == "genre") {
            parsed.genresGiven = true;
            if (!value.empty())
                parsed.genres.push_back(value);
        } else {
            fprintf(stderr, "vuvtool: no field or no valid value: %s\n", arg.c_str());
            return false;
        }
    }
    return true;
}

// The genre choices as the dialog would leave them: as the tracks have them,
// or, with genre= given, the named genres included (created when the list
// lacks them, found without regard to case) and every other excluded.
std::vector<vuv::GenreChoice> ChosenGenres(vuv::CollectionStore& store,
                                           const std::vector<size_t>& indexes,
                                           const EditArguments& parsed)
{
    std::vector<uint16_t> named;
    for (const std::string& name : parsed.genres)
        named.push_back(store.Genres().IdFor(name.substr(0, vuv::kTagTextSize - 1).c_str(), true));
    std::vector<vuv::GenreChoice> choices = vuv::SummariseTracks(store, indexes).genres;
    if (parsed.genresGiven) {
        for (vuv::GenreChoice& choice : choices) {
            bool isNamed = false;
            for (uint16_t id : named)
                isNamed = isNamed || id == choice.id;
            choice.state = isNamed ? vuv::GenreState::Included : vuv::GenreState::Excluded;
        }
    }
    vuv::SortGenreChoicesByName(store.Genres(), choices);
    return choices;
}

int Edit(ToolContext& context, const std::vector<std::string>& args)
{
    EditArguments parsed;
    if (!ParseEditArguments(args, parsed))
        return BadUsage("edit");
    LoadActiveCollection(context);
    std::vector<size_t> indexes;
    std::string error;
    if (!ParseTrackIndexes(parsed.indexes, indexes, error))
        return Fail(error);
    vuv::CollectionStore& store = vuv::TheCollectionStore();
    indexes = vuv::TracksInCollectionOrder(indexes, store.Count());
    // The dialog's Track field is open for one track only.
    if (!parsed.edit.title.empty() && indexes.size() > 1) {
        fprintf(stderr, "vuvtool: the title is set on one track at a time\n");
        return BadUsage("edit");
    }
    parsed.edit.genres = ChosenGenres(store, indexes, parsed);

    const vuv::TrackEditResult result = vuv::ApplyTrackEdit(store, indexes, parsed.edit);
    for (const std::string& line : vuv::UnwrittenTagLines(result.unwritten))
        fprintf(stderr, "vuvtool: the ID tag was not written to %s\n", line.c_str());
    // A failed save is printed by the save itself; the count still comes last.
    const bool saved = SaveActiveCollection(false);
    PrintLine("edited " + std::to_string(result.edited) + " of " + std::to_string(indexes.size()));
    if (!saved)
        return kFailed;
    return result.unwritten.empty() ? kOk : kSomeTagsUnwritten;
}

}  // namespace

VUVTOOL_COMMAND("edit", "INDEX... --set FIELD=VALUE... (artist, title, album, year, track, genre, "
                        "comment, preference, volume)",
                Edit);

}  // namespace vuvtool
