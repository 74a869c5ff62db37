// standin_player: the player's side of the player link, without sound, for
// tests. It says it runs, takes the next track in the player's order
// (play-now request, priority queue, queue, random pick), publishes the
// track and its time, counts a track played to its end into the collection
// file, the previously played file and the play-count report, and honours
// skip, seek, pause, stop and close ("evtTbClose").
//
// Configuration: "--config FILE", or "standin.cfg" beside the program (so
// that it can be launched as "plak.exe" without arguments). Lines of
// key=value: prefix (object name prefix), queue, priority, previous,
// collection, selection, log (one line per track taken: "TAKE", path and a
// hash of the record's 648 bytes, tab-separated), trackms (simulated length
// of every track, default 50), maxseconds (ends by itself, default 60),
// reportwaitms (how long to wait for the editor to take the previous
// play-count report, default 0).
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

namespace {

std::map<std::string, std::string> ReadConfig(const std::string& path)
{
    std::map<std::string, std::string> config;
    FileHandle file;
    file.Open(path, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    char line[1001];
    while (file.IsOpen() && ReadTextLine(file, line, 1000)) {
        const char* eq = strchr(line, '=');
        if (eq)
            config[std::string(line, size_t(eq - line))] = eq + 1;
    }
    return config;
}

uint32_t NumberOr(const std::map<std::string, std::string>& config, const char* key,
                  uint32_t fallback)
{
    auto it = config.find(key);
    return it == config.end() ? fallback : uint32_t(strtoul(it->second.c_str(), nullptr, 10));
}

std::string TextOf(const std::map<std::string, std::string>& config, const char* key)
{
    auto it = config.find(key);
    return it == config.end() ? std::string() : it->second;
}

// FNV-1a over the record's bytes: the test computes the same over the
// record it sent, so a record read half-written shows.
uint32_t RecordHash(const TrackRecord& track)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&track);
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < sizeof track; ++i)
        h = (h ^ p[i]) * 16777619u;
    return h;
}

class Player {
public:
    Player(PlayerLink& link, const PlayerFiles& files, const std::string& log, uint32_t trackMs,
           uint32_t reportWaitMs)
        : link_(link), context_(link, files), trackMs_(trackMs),
          reportWaitMs_(reportWaitMs)
    {
        log_.Open(log, FileAccess::Write, FileDisposition::OpenAlways, false, true);
        log_.Seek(0, SeekOrigin::End);
        memset(&current_, 0, sizeof current_);
    }

    // One pass of the player's loop; false once asked to close.
    bool Step()
    {
        if (link_.close.IsSet())
            return false;
        if (!link_.play.IsSet()) {
            if (playing_)
                EndTrack(false);
            return true;
        }
        const uint32_t now = TickCountMs();
        if (link_.pause.IsSet()) {
            startTick_ = now - elapsed_;  // the position stands still
            return true;
        }
        if (playing_ && link_.skip.IsSet()) {
            link_.skip.Reset();
            EndTrack(false);
        }
        if (playing_) {
            const uint32_t seek = link_.skipToPos.GetU32();
            if (seek != 0) {
                link_.skipToPos.SetU32(0);
                elapsed_ = uint32_t(uint64_t(seek - 1) * length_ / 100);
                startTick_ = now - elapsed_;
            }
            elapsed_ = now - startTick_;
            if (elapsed_ >= length_)
                EndTrack(true);
        }
        if (!playing_) {
            link_.skip.Reset();
            TrackRecord next;
            if (!NextTrack(context_, next) || next.path[0] == '\0')
                return true;
            BeginTrack(next, now);
        }
        const TrackTime time = {length_, elapsed_, 0};
        link_.trackTime.Set(&time);
        return true;
    }

    void Finish()
    {
        if (playing_)
            EndTrack(false);
        log_.Close();
    }

private:
    void BeginTrack(const TrackRecord& track, uint32_t now)
    {
        current_ = track;
        playing_ = true;
        length_ = trackMs_;
        elapsed_ = 0;
        startTick_ = now;
        char hash[16];
        snprintf(hash, sizeof hash, "%08x", unsigned(RecordHash(track)));
        const std::string line = std::string("TAKE\t") + track.path + "\t" + hash + "\n";
        log_.Write(line.data(), uint32_t(line.size()), kFromEnd);
        link_.trackPlaying.Set(&current_);
        IncrementPlayListChanged(link_);
        AddToPreviouslyPlayed(track);
    }

    void EndTrack(bool playedToEnd)
    {
        if (playedToEnd)
            CountPlay();
        playing_ = false;
        memset(&current_, 0, sizeof current_);
        link_.trackPlaying.Set(&current_);
        const TrackTime time = {};
        link_.trackTime.Set(&time);
        IncrementPlayListChanged(link_);
    }

    // Newest first: record 0 is the track that plays or played last.
    void AddToPreviouslyPlayed(const TrackRecord& track)
    {
        if (context_.files.previouslyPlayed.empty())
            return;
        FileHandle file;
        file.Open(context_.files.previouslyPlayed, FileAccess::ReadWrite,
                  FileDisposition::OpenAlways, false, true);
        if (!file.IsOpen())
            return;
        file.ShiftTail(0, int64_t(sizeof track));
        file.Write(&track, sizeof track, kFromStart);
    }

    void CountPlay()
    {
        FileHandle collection;
        collection.Open(context_.files.collection, FileAccess::ReadWrite,
                        FileDisposition::OpenExisting, false, true);
        TrackRecord record;
        for (uint32_t i = 0; collection.IsOpen() && collection.Read(&record, sizeof record) ==
                                                        sizeof record;
             ++i) {
            record.path[kPathTextSize - 1] = '\0';
            if (SamePath(record.path, current_.path)) {
                ++record.playCount;
                collection.Seek(int32_t(i * sizeof record), SeekOrigin::Start);
                collection.Write(&record, sizeof record);
                break;
            }
        }
        collection.Close();
        const uint32_t start = TickCountMs();
        PlayCountReport report;
        for (;;) {
            link_.liveUpdate.Get(&report);
            if (report.path[0] == '\0' || TickCountMs() - start >= reportWaitMs_)
                break;
            SleepMs(10);
        }
        memset(&report, 0, sizeof report);
        CopyBounded(report.path, current_.path, sizeof report.path);
        report.countPlay = 1;
        report.volumeBoost = kVolumeBoostAutomatic;
        link_.liveUpdate.Set(&report);
    }

    PlayerLink& link_;
    PlayContext context_;
    FileHandle log_;
    TrackRecord current_;
    bool playing_ = false;
    uint32_t trackMs_;
    uint32_t reportWaitMs_;
    uint32_t length_ = 0;
    uint32_t elapsed_ = 0;
    uint32_t startTick_ = 0;
};

}  // namespace

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
    const auto config = ReadConfig(configPath);
    PlayerFiles files;
    files.queue = TextOf(config, "queue");
    files.priorityQueue = TextOf(config, "priority");
    files.previouslyPlayed = TextOf(config, "previous");
    files.collection = TextOf(config, "collection");
    files.selectionIndex = TextOf(config, "selection");
    const uint32_t maxMs = NumberOr(config, "maxseconds", 60) * 1000;

    PlayerLink link(TextOf(config, "prefix"));
    link.close.Reset();
    {
        Player player(link, files, TextOf(config, "log"), NumberOr(config, "trackms", 50),
                      NumberOr(config, "reportwaitms", 0));
        link.playerRunning.Set();
        const uint32_t start = TickCountMs();
        while (player.Step() && TickCountMs() - start < maxMs)
            SleepMs(2);
        player.Finish();
    }
    link.playerRunning.Reset();
    return 0;
}
