// standin_player: the player's side of the player link, without sound, for
// tests. It says it runs and, while play is on, takes every next track in
// the player's order (play-now request, priority queue, queue, random pick)
// at once, publishes it as playing and logs it; it ends when asked to close
// ("evtTbClose") or after `maxseconds`.
//
// Configuration: "--config FILE", or "standin.cfg" beside the program (so
// that it can be launched as "plak.exe" without arguments). Lines of
// key=value: prefix (object name prefix), queue, priority, previous,
// collection, selection, log (one line per track taken: "TAKE", path and an
// FNV-1a hash of the record's 648 bytes, tab-separated, so that a record
// read half-written shows), maxseconds (default 60).
#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/UserMessages.h"
#include "platform/Wait.h"
#include "player/PlayQueue.h"
#include "player/PlayerLink.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

using namespace vuv;

int main(int argc, char** argv)
{
    std::string configPath = FolderOf(OwnExecutablePath()) + "standin.cfg";
    for (int i = 1; i + 1 < argc; ++i)
        if (strcmp(argv[i], "--config") == 0)
            configPath = argv[i + 1];
    // A test player never shows a window.
    SetMessageSink([](const std::string& text, const std::string&, MessageButtons, MessageIcon) {
        fprintf(stderr, "standin_player: %s\n", text.c_str());
        return MessageAnswer::Ok;
    });
    std::map<std::string, std::string> config;
    FileHandle file;
    file.Open(configPath, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    char line[1001];
    while (file.IsOpen() && ReadTextLine(file, line, 1000))
        if (const char* eq = strchr(line, '='))
            config[std::string(line, size_t(eq - line))] = eq + 1;
    PlayerFiles files;
    files.queue = config["queue"];
    files.priorityQueue = config["priority"];
    files.previouslyPlayed = config["previous"];
    files.collection = config["collection"];
    files.selectionIndex = config["selection"];
    const std::string maxSeconds = config.count("maxseconds") ? config["maxseconds"] : "60";
    const uint32_t maxMs = uint32_t(strtoul(maxSeconds.c_str(), nullptr, 10)) * 1000;

    PlayerLink link(config["prefix"]);
    PlayContext context(link, files);
    FileHandle log;
    log.Open(config["log"], FileAccess::Write, FileDisposition::OpenAlways, false, true);
    link.close.Reset();
    link.playerRunning.Set();
    TrackRecord track;
    for (const uint32_t start = TickCountMs(); !link.close.IsSet() && TickCountMs() - start < maxMs;) {
        if (!link.play.IsSet() || !NextTrack(context, track) || track.path[0] == '\0') {
            SleepMs(2);
            continue;
        }
        uint32_t hash = 2166136261u;
        for (size_t i = 0; i < sizeof track; ++i)
            hash = (hash ^ reinterpret_cast<const unsigned char*>(&track)[i]) * 16777619u;
        char text[32];
        snprintf(text, sizeof text, "\t%08x\n", unsigned(hash));
        const std::string entry = std::string("TAKE\t") + track.path + text;
        log.Write(entry.data(), uint32_t(entry.size()), kFromEnd);
        link.trackPlaying.Set(&track);
    }
    log.Close();
    link.playerRunning.Reset();
    return 0;
}
