#include "vuvtool/ToolPlayerLink.h"

#include "core/CollectionStore.h"
#include "player/PlayerFiles.h"
#include "player/StorePlayerLink.h"
#include "plugins/TrackInfo.h"

#include <cstdlib>

namespace vuvtool {

void UseToolCollection(const ToolContext& context)
{
    if (!context.collectionOverride.empty())
        vuv::SetActiveCollectionOverride(context.collectionOverride);
}

vuv::PlayerLink& ToolLink()
{
    static bool opened = false;
    if (!opened) {
        const char* prefix = getenv("VUV_LINK_PREFIX");
        vuv::OpenPlayerLink(prefix ? prefix : "");
        vuv::ConnectStoreToPlayerLink();
        opened = true;
    }
    return vuv::Link();
}

vuv::PlayContext ToolPlayContext(const ToolContext& context)
{
    UseToolCollection(context);
    vuv::PlayContext play(ToolLink(), vuv::UserPlayerFiles());
    play.launchPlayer = false;
    play.fillTrack = [](vuv::TrackRecord& track) { vuv::FillTrackFromFile(track, nullptr); };
    return play;
}

}  // namespace vuvtool
