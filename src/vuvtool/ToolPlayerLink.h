// What the player and selection commands of vuvtool work on: the player
// link, the active user's files and the active collection.
#pragma once

#include "player/PlayQueue.h"
#include "vuvtool/ToolCommand.h"

namespace vuvtool {

// Makes `--collection` the active collection for this run, when given.
void UseToolCollection(const ToolContext& context);
// The process's link, connected to the collection store; the environment
// variable VUV_LINK_PREFIX (for tests only) puts a prefix in front of every
// object name.
vuv::PlayerLink& ToolLink();
// The play commands' context on the active user's files; vuvtool never
// launches the player.
vuv::PlayContext ToolPlayContext(const ToolContext& context);

}  // namespace vuvtool
