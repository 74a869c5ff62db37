// vuvtool's naming commands: the two forms of a filename pattern, the path
// a pattern gives a track of the collection, and arranging the collection's
// files.
#include "core/CollectionStore.h"
#include "naming/ArrangeFiles.h"
#include "naming/FilenamePattern.h"
#include "platform/Settings.h"
#include "platform/Wait.h"
#include "vuvtool/ToolCommand.h"
#include "vuvtool/ToolPlayerLink.h"

namespace vuvtool {

namespace {

int Pattern(ToolContext&, const std::vector<std::string>& args)
{
    if (args.size() != 2 || (args[0] != "stored" && args[0] != "display"))
        return BadUsage("pattern");
    PrintLine(args[0] == "stored" ? vuv::DisplayToStored(args[1]) : vuv::StoredToDisplay(args[1]));
    return kOk;
}

int BuildPath(ToolContext& context, const std::vector<std::string>& args)
{
    long index = 0;
    if (args.size() != 2 || !ParseNumber(args[1], 0, 0x7FFFFFFF, index))
        return BadUsage("buildpath");
    LoadActiveCollection(context);
    const vuv::CollectionStore& store = vuv::TheCollectionStore();
    if (size_t(index) >= store.Count())
        return Fail("no track " + args[1] + " in a collection of " + std::to_string(store.Count()));
    const vuv::TrackRecord& track = store.Track(size_t(index));
    PrintLine(vuv::BuildPathFromPattern(args[0], track, vuv::FirstGenreText(track, store.Genres())));
    return kOk;
}

// As "Begin >>" and the progress window: the given values stored, the pass
// run to its end on its worker thread (the playing track skipped first),
// the moves handed to the store and the collection saved.
int Arrange(ToolContext& context, const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size() || (args[i] != "--root" && args[i] != "--pattern"))
            return BadUsage("arrange");
    }
    for (size_t i = 0; i < args.size(); i += 2)
        vuv::SetText(args[i + 1].c_str(), args[i] == "--root" ? vuv::kArrangeRootSetting : vuv::kArrangementSetting);
    vuv::PlayerLink& link = ToolLink();
    LoadActiveCollection(context);
    vuv::CollectionStore& store = vuv::TheCollectionStore();
    vuv::LinkArrangePlayer player(link);
    vuv::ArrangeSession session(store, vuv::LoadArrangeSettings(), player);
    session.Start();
    while (session.Progress() != vuv::kArrangeFinished)
        vuv::SleepMs(20);
    session.Finish();
    const bool saved = SaveActiveCollection(false);
    PrintLine("moved " + std::to_string(session.Moved()) + " of " + std::to_string(session.TrackCount()));
    return saved ? kOk : kFailed;
}

}  // namespace

VUVTOOL_COMMAND("pattern", "stored|display TEXT", Pattern);
VUVTOOL_COMMAND("buildpath", "PATTERN INDEX", BuildPath);
VUVTOOL_COMMAND("arrange", "[--root FOLDER] [--pattern STORED]", Arrange);

}  // namespace vuvtool
