// The lines of the queue view: what plays, then the priority queue and the
// queue in file order (playlists with their remaining entries), then the
// random play line. The play control panel shows them and colours and
// offers menus by kind.
#pragma once

#include "player/PlayQueue.h"

#include <string>
#include <vector>

namespace vuv {

enum QueueLineKind : int {
    kQueueLineBlank = 0,
    kQueueLinePlaying = 1,
    kQueueLineNotPlaying = 2,
    kQueueLineRandom = 3,
    kQueueLineQueued = 4,
    kQueueLinePlaylist = 5,
    kQueueLinePlaylistEntry = 6,
};

struct QueueViewLine {
    int kind;
    std::string text;
};

// Reads "TbTrackPlaying", both queue files, the selection index size and
// the setting "EditorSelectivePlay".
std::vector<QueueViewLine> BuildQueueView(PlayContext& context);

}  // namespace vuv
