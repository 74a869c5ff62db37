// What the player and selection commands of vuvtool work on: the player
// link, the active user's files and the active collection.
#pragma once

#include "player/PlayQueue.h"
#include "vuvtool/ToolCommand.h"

namespace vuvtool {

// The process's link, opened on first use; from then on every rebuild of the
// selection index tells the player that its play list changed. The
// environment variable VUV_LINK_PREFIX (for tests only) puts a prefix in
// front of every object name.
vuv::PlayerLink& ToolLink();
// The play commands' context on the active user's files and the command's
// collection; tracks are filled through the input plug-ins, and vuvtool
// never launches the player.
vuv::PlayContext ToolPlayContext(const ToolContext& context);

}  // namespace vuvtool
