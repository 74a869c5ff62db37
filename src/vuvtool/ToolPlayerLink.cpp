#include "vuvtool/ToolPlayerLink.h"

#include "player/PlayerFiles.h"
#include "plugins/TrackInfo.h"
#include "selection/SelectionIndex.h"

#include <cstdlib>

namespace vuvtool {

vuv::PlayerLink& ToolLink()
{
    static bool opened = false;
    if (!opened) {
        const char* prefix = getenv("VUV_LINK_PREFIX");
        vuv::OpenPlayerLink(prefix ? prefix : "");
        vuv::SetPlaylistChangedNotifier([] { vuv::IncrementPlayListChanged(vuv::Link()); });
        opened = true;
    }
    return vuv::Link();
}

vuv::PlayContext ToolPlayContext(const ToolContext& context)
{
    vuv::PlayContext play(ToolLink(), vuv::UserPlayerFiles(context.CollectionPath()));
    play.launchPlayer = false;
    play.fillTrack = [](vuv::TrackRecord& track) { vuv::FillTrackFromFile(track, nullptr); };
    return play;
}

}  // namespace vuvtool
