// Connects the collection store and the selection index to the player link:
// loading drops a pending play-count report and finds the playing track;
// every rebuild of the selection index counts as a change of the play list.
#pragma once

#include "core/CollectionStore.h"

namespace vuv {

// Works on the process's link, Link(), whichever is open at the time.
class StorePlayerLink : public CollectionPlayerLink {
public:
    void ClearPendingPlayedReport() override;
    std::string PlayingPath() override;
};

// Hooks the process's link (Link()) into TheCollectionStore() and the
// selection index rebuild. For the life of the process.
void ConnectStoreToPlayerLink();

}  // namespace vuv
