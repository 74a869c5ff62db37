// The files and folders the play commands read and write: the per-user
// queue files, the previously played file, the selection index, the active
// collection file and the install folder that holds the player.
#pragma once

#include <string>

namespace vuv {

struct PlayerFiles {
    std::string installFolder;      // with a trailing "\"; holds "plak.exe"
    std::string queue;              // ".Enqued"
    std::string priorityQueue;      // ".PriorityEnqued"
    std::string previouslyPlayed;   // ".Previously Played"
    std::string selectionIndex;     // ".dpc"
    std::string criteria;           // ".dps"
    std::string collection;         // the active collection file
};

// The active user's files (per-user files of the install folder) with the
// given active collection file.
PlayerFiles UserPlayerFiles(const std::string& collection);

}  // namespace vuv
