// What the player commands of vuvtool work on: the process's player link
// and the per-user files of the active user.
#pragma once

#include "player/PlayQueue.h"
#include "vuvtool/ToolCommand.h"

namespace vuvtool {

// The files of the player link for this run; `--collection` replaces the
// active collection file.
vuv::PlayerFiles ToolPlayerFiles(const ToolContext& context);
// The process's link; the environment variable VUV_LINK_PREFIX (used by
// tests only) puts a prefix in front of every object name.
vuv::PlayerLink& ToolLink();

}  // namespace vuvtool
