// Shared by the player link tests: a private name prefix for the link's
// objects, queue files in a scratch folder, track records, the stand-in
// player run as a process of its own, and vuvtool run from a private copy.
#pragma once

#include "core/TrackRecord.h"
#include "core/TrackRecords.h"
#include "platform/FileHandle.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "player/PlayQueue.h"
#include "player/PlayerLink.h"
#include "player/QueueRecord.h"
#include "support/MessageRecorder.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace vuvtest {

// A link under a prefix of its own, so that test programs running side by
// side (and an editor under test) never share the player's objects.
inline std::string UniqueLinkPrefix()
{
    static long counter = 0;
    char text[64];
    snprintf(text, sizeof text, "vuvtest%lu_%ld_", GetCurrentProcessId(), ++counter);
    return text;
}

struct PlayerFixture {
    PlayerFixture() : link(UniqueLinkPrefix()), context(link, FilesIn(folder)) {}

    static vuv::PlayerFiles FilesIn(const ScratchFolder& folder)
    {
        vuv::PlayerFiles files;
        files.installFolder = folder.Path();
        files.queue = folder.File("user.Enqued");
        files.priorityQueue = folder.File("user.PriorityEnqued");
        files.previouslyPlayed = folder.File("user.Previously Played");
        files.selectionIndex = folder.File("user.dpc");
        files.criteria = folder.File("user.dps");
        files.collection = folder.File("user.mcc");
        return files;
    }
    // The stand-in player's configuration for this link and these files.
    bool WriteStandinConfig(const std::string& configFile, const std::string& log, unsigned maxSeconds) const
    {
        const vuv::PlayerFiles& files = context.files;
        return WriteBytes(configFile, "prefix=" + link.Prefix() + "\nqueue=" + files.queue + "\npriority=" +
                                          files.priorityQueue + "\nprevious=" + files.previouslyPlayed +
                                          "\ncollection=" + files.collection + "\nselection=" + files.selectionIndex +
                                          "\nlog=" + log + "\nmaxseconds=" + std::to_string(maxSeconds) + "\n");
    }

    // Whatever the play commands tell the user; never a message box.
    MessageRecorder recorder;
    ScratchFolder folder;
    vuv::PlayerLink link;
    vuv::PlayContext context;
};

inline std::vector<vuv::QueueRecord> ReadQueue(const std::string& file)
{
    const std::string bytes = ReadBytes(file);
    std::vector<vuv::QueueRecord> records(bytes.size() / sizeof(vuv::QueueRecord));
    if (!records.empty())
        memcpy(records.data(), bytes.data(), records.size() * sizeof(vuv::QueueRecord));
    return records;
}

inline std::vector<std::string> QueuePaths(const std::string& file)
{
    std::vector<std::string> paths;
    for (const vuv::QueueRecord& r : ReadQueue(file))
        paths.push_back(r.track.path);
    return paths;
}

// The play-now request waiting for the player ("" when none).
inline std::string ShouldPlay(vuv::PlayerLink& link)
{
    vuv::TrackRecord t = {};
    link.trackShouldPlay.Get(&t);
    return t.path;
}

// The stand-in player, built beside the test programs.
inline std::string StandinPath() { return vuv::FolderOf(vuv::OwnExecutablePath()) + "standin_player.exe"; }

// Polls `condition` every 10 ms for at most `milliseconds`.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= milliseconds)
            return false;
        Sleep(10);
    }
    return true;
}

struct ToolResult {
    int exitCode = -1;
    std::string out, err;
};

// vuvtool run from a private copy: its install folder, and so its per-user
// files, lie in a scratch folder; its link objects carry a private prefix.
class ToolRunner {
public:
    ToolRunner() : link(UniqueLinkPrefix())
    {
        copied = CopyFileA((SuiteDir() + "vuvtool.exe").c_str(), folder.File("vuvtool.exe").c_str(), FALSE) != 0;
        user = folder.File(vuv::GetWindowsUserName());
    }
    ToolResult Run(const std::string& arguments)
    {
        ToolResult result;
        SetEnvironmentVariableA("VUV_LINK_PREFIX", link.Prefix().c_str());
        result.exitCode = RunCaptured("\"" + folder.File("vuvtool.exe") + "\" " + arguments, &result.out, &result.err);
        SetEnvironmentVariableA("VUV_LINK_PREFIX", nullptr);
        return result;
    }
    std::string ShouldPlay() { return vuvtest::ShouldPlay(link); }

    ScratchFolder folder;
    vuv::PlayerLink link;
    std::string user;  // per-user file prefix in the private install folder
    bool copied = false;
};

}  // namespace vuvtest
