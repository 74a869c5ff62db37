#include "vuvtool/ToolPlayerLink.h"

#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Settings.h"

#include <cstdlib>

namespace vuvtool {

vuv::PlayerFiles ToolPlayerFiles(const ToolContext& context)
{
    // The suite's folder is the one this tool lies in; the per-user files
    // carry the Windows user's name.
    vuv::PlayerFiles files;
    files.installFolder = vuv::FolderOf(vuv::OwnExecutablePath());
    const char* user = getenv("USERNAME");
    const std::string prefix =
        files.installFolder + (user && *user ? std::string(user) : std::string("defuser"));
    files.queue = prefix + ".Enqued";
    files.priorityQueue = prefix + ".PriorityEnqued";
    files.previouslyPlayed = prefix + ".Previously Played";
    files.selectionIndex = prefix + ".dpc";
    files.criteria = prefix + ".dps";
    files.collection = context.collectionOverride;
    if (files.collection.empty())
        files.collection = vuv::GetText("ActiveMusicCollection");
    if (files.collection.empty())
        files.collection = prefix + ".mcc";
    return files;
}

vuv::PlayerLink& ToolLink()
{
    const char* prefix = getenv("VUV_LINK_PREFIX");
    if (prefix && *prefix)
        vuv::OpenPlayerLink(prefix);
    return vuv::Link();
}

}  // namespace vuvtool
