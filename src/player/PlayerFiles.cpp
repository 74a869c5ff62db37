#include "player/PlayerFiles.h"

#include "core/CollectionStore.h"
#include "platform/Locations.h"

namespace vuv {

PlayerFiles UserPlayerFiles()
{
    PlayerFiles files;
    files.installFolder = GetInstallFolder(false);
    files.queue = GetUserFile(kQueueSuffix, false);
    files.priorityQueue = GetUserFile(kPriorityQueueSuffix, false);
    files.previouslyPlayed = GetUserFile(kPreviouslyPlayedSuffix, false);
    files.selectionIndex = GetUserFile(kSelectionIndexSuffix, false);
    files.criteria = GetUserFile(kCriteriaSuffix, false);
    files.collection = ActiveCollectionPath();
    return files;
}

}  // namespace vuv
