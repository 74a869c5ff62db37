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

std::string StorePlayerLink::PlayingPath() { return vuv::PlayingPath(Link()); }

void ConnectStoreToPlayerLink()
{
    static StorePlayerLink storeLink;
    TheCollectionStore().SetPlayerLink(&storeLink);
    SetPlaylistChangedNotifier([] { IncrementPlayListChanged(Link()); });
}

}  // namespace vuv
