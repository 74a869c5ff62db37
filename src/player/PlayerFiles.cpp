#include "player/PlayerFiles.h"

#include "platform/Locations.h"

namespace vuv {

PlayerFiles UserPlayerFiles(const std::string& collection)
{
    PlayerFiles files;
    files.installFolder = GetInstallFolder(false);
    files.queue = GetUserFile(kQueueSuffix, false);
    files.priorityQueue = GetUserFile(kPriorityQueueSuffix, false);
    files.previouslyPlayed = GetUserFile(kPreviouslyPlayedSuffix, false);
    files.selectionIndex = GetUserFile(kSelectionIndexSuffix, false);
    files.criteria = GetUserFile(kCriteriaSuffix, false);
    files.collection = collection;
    return files;
}

}  // namespace vuv
