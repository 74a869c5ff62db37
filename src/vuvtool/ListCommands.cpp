// vuvtool's track list commands: remove, missing, locate, select. Each
// works on the active collection (or --collection PATH) through the logic
// of the editor's commands and saves as the command does.
#include "vuvtool/ToolCommand.h"

#include "core/CollectionStore.h"
#include "platform/Paths.h"
#include "player/PlayerFiles.h"
#include "selection/MissingFiles.h"
#include "selection/RandomPlay.h"
#include "selection/RandomSelector.h"

#include <algorithm>

namespace vuvtool {

namespace {

using vuv::TheCollectionStore;

// Every index names a track (0 to count - 1); repeats count once.
int Remove(ToolContext& context, const std::vector<std::string>& args)
{
    LoadActiveCollection(context);
    vuv::CollectionStore& store = TheCollectionStore();
    std::vector<size_t> indexes;
    std::string error;  // unused: a bad index is reported as bad usage
    if (!ParseTrackIndexes(args, indexes, error))
        return BadUsage("remove");
    const size_t removed = store.RemoveTracks(indexes);
    if (!SaveActiveCollection(false))
        return kFailed;
    PrintLine("removed " + std::to_string(removed));
    return kOk;
}

int Missing(ToolContext& context, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("missing");
    LoadActiveCollection(context);
    vuv::CollectionStore& store = TheCollectionStore();
    const std::vector<size_t> missing = vuv::HighlightMissingFiles(store.Order(), store.Count());
    if (!SaveActiveCollection(false))
        return kFailed;
    for (size_t index : missing)
        PrintLine(std::to_string(index));
    PrintLine("missing " + std::to_string(missing.size()) + " of " + std::to_string(store.Count()));
    return kOk;
}

int Locate(ToolContext& context, const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return BadUsage("locate");
    bool isFolder = false;
    if (!vuv::Exists(args[0], &isFolder) || !isFolder)
        return Fail("no folder '" + args[0] + "'");
    LoadActiveCollection(context);
    vuv::CollectionStore& store = TheCollectionStore();
    const vuv::LocateResult result = vuv::LocateMissingFiles(store.Order(), store.Count(), args[0]);
    // As the command: with no missing track nothing changed, and nothing is saved.
    if (result.missing > 0 && !SaveActiveCollection(false))
        return kFailed;
    PrintLine("located " + std::to_string(result.located) + " of " + std::to_string(result.missing));
    return kOk;
}

// Draws from the collection file as saved and marks in the loaded
// collection, which is not saved (the dialog does not save either); the
// indexes are those of the collection's order, ascending.
int Select(ToolContext& context, const std::vector<std::string>& args)
{
    vuv::RandomSelectorRequest request;
    long value = 0;
    if (args.size() != 2 || !ParseNumber(args[1], 0, 0x7FFFFFFF, value) ||
        (args[0] != "--count" && args[0] != "--minutes"))
        return BadUsage("select");
    request.byCount = args[0] == "--count";
    (request.byCount ? request.tracks : request.minutes) = uint32_t(value);
    LoadActiveCollection(context);
    vuv::CollectionStore& store = TheCollectionStore();
    const vuv::PlayerFiles files = vuv::UserPlayerFiles(store.ActivePath());
    const vuv::RandomDraw draw({files.collection, files.selectionIndex, files.previouslyPlayed});
    std::vector<size_t> marked = vuv::SelectRandomTracks(store.Order(), store.Count(), request,
                                                         [&draw](std::string& path) { return draw.Draw(path); });
    std::sort(marked.begin(), marked.end());
    for (size_t index : marked)
        PrintLine(std::to_string(index));
    PrintLine("selected " + std::to_string(marked.size()));
    return kOk;
}

}  // namespace

VUVTOOL_COMMAND("remove", "INDEX...", Remove);
VUVTOOL_COMMAND("missing", "", Missing);
VUVTOOL_COMMAND("locate", "FOLDER", Locate);
VUVTOOL_COMMAND("select", "--count N | --minutes M", Select);

}  // namespace vuvtool
