// vuvtool commands of the player link: playlists, the queues and the
// play-now request, next track. vuvtool never launches the player.
#include "core/CollectionStore.h"
#include "player/PlayQueue.h"
#include "player/Playlist.h"
#include "player/QueueView.h"
#include "vuvtool/ToolCommand.h"
#include "vuvtool/ToolPlayerLink.h"

#include <cstdlib>
#include <cstring>

namespace vuvtool {

namespace {

bool ParseIndex(const std::string& text, size_t& index)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    index = size_t(strtoull(text.c_str(), nullptr, 10));
    return true;
}

// A failed append: the queue file the player kept in use is printed.
int QueueFailure(const vuv::QueueResult& result)
{
    if (!result.queueInUse.empty())
        Fail(vuv::QueueInUseMessage(result.queueInUse));
    return kFailed;
}

// The tracks of the command's collection, loaded as the editor loads it, at
// the given positions (from 0) in the order given; false with a message
// when one is out of range.
bool TracksAt(const ToolContext& context, const std::vector<std::string>& args,
              std::vector<vuv::TrackRecord>& out)
{
    ToolCollection().Load(context.CollectionPath());
    vuv::CollectionStore& store = vuv::TheCollectionStore();
    for (const std::string& arg : args) {
        size_t index = 0;
        if (!ParseIndex(arg, index) || index >= store.Count()) {
            Fail("no track " + arg + " in '" + store.ActivePath() + "' (" +
                 std::to_string(store.Count()) + " tracks)");
            return false;
        }
        out.push_back(store.Track(index));
    }
    return true;
}

int PlaylistCommand(ToolContext&, const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return BadUsage("playlist");
    for (const std::string& entry : vuv::NumberedEntries(args[0], 1))
        PrintLine(entry);
    return kOk;
}

int EnqueueCommand(ToolContext& context, const std::vector<std::string>& args)
{
    if (args.empty())
        return BadUsage("enqueue");
    vuv::PlayContext play = ToolPlayContext(context);
    for (const std::string& path : args)
        if (const vuv::QueueResult result = vuv::EnqueueFile(play, path); !result)
            return QueueFailure(result);
    return kOk;
}

int EnqueueTrackCommand(ToolContext& context, const std::vector<std::string>& args)
{
    if (args.empty())
        return BadUsage("enqueue-track");
    vuv::PlayContext play = ToolPlayContext(context);
    std::vector<vuv::TrackRecord> tracks;
    if (!TracksAt(context, args, tracks))
        return kFailed;
    for (const vuv::TrackRecord& track : tracks)
        if (const vuv::QueueResult result = vuv::Enqueue(play, track); !result)
            return QueueFailure(result);
    return kOk;
}

int PlayCommand(ToolContext& context, const std::vector<std::string>& args)
{
    if (args.empty())
        return BadUsage("play");
    vuv::PlayContext play = ToolPlayContext(context);
    std::vector<vuv::TrackRecord> tracks;
    if (!TracksAt(context, args, tracks))
        return kFailed;
    vuv::ResetPlayNowWindow(play);
    for (const vuv::TrackRecord& track : tracks)
        if (const vuv::QueueResult result = vuv::PlayNow(play, track); !result)
            return QueueFailure(result);
    return kOk;
}

int QueueCommand(ToolContext& context, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("queue");
    vuv::PlayContext play = ToolPlayContext(context);
    for (const vuv::QueueViewLine& line : vuv::BuildQueueView(play))
        PrintLine(std::to_string(line.kind) + "\t" + line.text);
    return kOk;
}

int NextCommand(ToolContext& context, const std::vector<std::string>& args)
{
    if (args.size() > 1 || (args.size() == 1 && args[0] != "--random"))
        return BadUsage("next");
    vuv::PlayContext play = ToolPlayContext(context);
    if (!args.empty())
        play.link.myMusicRandom.Set();
    vuv::TrackRecord track;
    if (!vuv::NextTrack(play, track))
        return Fail("nothing to play");
    PrintLine(track.path);
    return kOk;
}

int ShuffleCommand(ToolContext& context, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("shuffle");
    vuv::PlayContext play = ToolPlayContext(context);
    vuv::ShuffleQueue(play);
    return kOk;
}

int ClearQueueCommand(ToolContext& context, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("clear-queue");
    vuv::PlayContext play = ToolPlayContext(context);
    vuv::ClearQueue(play);
    return kOk;
}

}  // namespace

VUVTOOL_COMMAND("playlist", "FILE", PlaylistCommand);
VUVTOOL_COMMAND("enqueue", "PATH...", EnqueueCommand);
VUVTOOL_COMMAND("enqueue-track", "INDEX...", EnqueueTrackCommand);
VUVTOOL_COMMAND("play", "INDEX...", PlayCommand);
VUVTOOL_COMMAND("queue", "", QueueCommand);
VUVTOOL_COMMAND("next", "[--random]", NextCommand);
VUVTOOL_COMMAND("shuffle", "", ShuffleCommand);
VUVTOOL_COMMAND("clear-queue", "", ClearQueueCommand);

}  // namespace vuvtool
