// vuvtool's commands of adding music: paths (folders scanned, playlists
// expanded), a playlist as one item, and the sibling programs' hand-off
// file. Each runs AddTracks on the active collection (or --collection PATH)
// under the current settings, saves as AddTracks does, reports the run's
// messages on stderr and prints "added A of N" last: A new tracks of N paths
// offered. Exit status 2 when the collection could not be saved (printed).
#include "core/CollectionStore.h"
#include "core/TrackSort.h"
#include "intake/AddTracks.h"
#include "intake/HandOffFile.h"
#include "intake/TrackSources.h"
#include "platform/Clock.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"
#include "platform/Wait.h"
#include "player/Playlist.h"
#include "vuvtool/ToolCommand.h"
#include "vuvtool/ToolPlayerLink.h"

#include <utility>

namespace vuvtool {

namespace {

// The run's host on the console: the store's own save, the player's queue
// through the tool's link (the player is never launched).
class ToolAddHost : public vuv::AddTracksHost {
public:
    explicit ToolAddHost(const ToolContext& context) : play_(ToolPlayContext(context)) {}
    bool SaveCollection() override { return SaveActiveCollection(false); }
    void Enqueue(const vuv::TrackRecord& track) override
    {
        if (!enqueueFailed_)
            enqueueFailed_ = !vuv::Enqueue(play_, track);
    }
    void StartPlayback() override { vuv::StartPlay(play_); }

private:
    vuv::PlayContext play_;
    bool enqueueFailed_ = false;
};

int RunAdd(ToolContext& context, std::vector<std::string> paths)
{
    vuv::AddRequest request;
    request.paths = std::move(paths);
    request.settings = vuv::LoadIntakeSettings();
    request.defaults = vuv::LoadNewTrackDefaults();
    request.sort = vuv::TheSortState();
    ToolAddHost host(context);
    vuv::AddProgress progress;
    const vuv::AddResult result = vuv::AddTracks(request, vuv::TheCollectionStore(), progress, host);
    for (const std::string& message : vuv::AddResultMessages(result, request.settings))
        vuv::ShowMessage(message, vuv::kProgramTitle, vuv::MessageButtons::Ok, vuv::MessageIcon::Error);
    PrintLine("added " + std::to_string(result.added) + " of " + std::to_string(result.offered));
    return result.saved ? kOk : kFailed;
}

// Each path as a picked path: a folder scanned, a playlist's entries, any
// other path as it is.
int Add(ToolContext& context, const std::vector<std::string>& args)
{
    bool recurse = vuv::GetNumber(vuv::kSearchSubFoldersSetting) == 0;
    std::vector<std::string> picked;
    for (const std::string& arg : args) {
        if (arg == "--recurse")
            recurse = true;
        else
            picked.push_back(arg);
    }
    if (picked.empty())
        return BadUsage("add");
    LoadActiveCollection(context);
    std::vector<std::string> paths;
    vuv::AddProgress progress;
    for (const std::string& path : picked) {
        // A trailing "\" names a folder as well (a search for the path with
        // it finds nothing).
        bool isFolder = !path.empty() && path.back() == '\\';
        if (isFolder || (vuv::Exists(path, &isFolder) && isFolder))
            vuv::ScanFolder(path, paths, recurse, progress);
        else
            vuv::ExpandPickedPath(paths, path);
    }
    return RunAdd(context, std::move(paths));
}

int AddItem(ToolContext& context, const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return BadUsage("add-item");
    LoadActiveCollection(context);
    return RunAdd(context, {args[0]});
}

// As the main window's timer step: the burst of hand-off events gathered
// (until the event has stayed unset for 2 s), then the file read, added
// and emptied.
int HandOff(ToolContext& context, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("handoff");
    vuv::NamedEvent& event = ToolLink().fileToAdd;
    vuv::HandOffBurst burst;
    burst.Start(event, vuv::TickCountMs());
    while (!burst.Poll(event, vuv::TickCountMs()))
        vuv::SleepMs(vuv::kHandOffPollMs);
    LoadActiveCollection(context);
    vuv::HandOffFile file;
    if (!file.Open(vuv::GetUserFile(vuv::kAddToEditorSuffix, false), [](uint32_t ms) { vuv::SleepMs(ms); })) {
        PrintLine("added 0 of 0");
        return kOk;
    }
    const int rc = RunAdd(context, file.ReadPaths());
    file.Empty();
    return rc;
}

}  // namespace

VUVTOOL_COMMAND("add", "[--recurse] PATH...", Add);
VUVTOOL_COMMAND("add-item", "PLAYLIST", AddItem);
VUVTOOL_COMMAND("handoff", "", HandOff);

}  // namespace vuvtool
