#include "player/StorePlayerLink.h"

#include "player/PlayerLink.h"
#include "selection/SelectionIndex.h"

#include <cstring>

namespace vuv {

void StorePlayerLink::ClearPendingPlayedReport()
{
    const PlayCountReport cleared = {};
    Link().liveUpdate.Set(&cleared);
}

std::string StorePlayerLink::PlayingPath()
{
    TrackRecord playing;
    memset(&playing, 0, sizeof playing);
    Link().trackPlaying.Get(&playing);
    playing.path[kPathTextSize - 1] = '\0';
    return playing.path;
}

void ConnectStoreToPlayerLink()
{
    static StorePlayerLink storeLink;
    TheCollectionStore().SetPlayerLink(&storeLink);
    SetPlaylistChangedNotifier([] { IncrementPlayListChanged(Link()); });
}

}  // namespace vuv
