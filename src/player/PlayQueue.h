// The play commands: what the editor tells the player to play, through the
// queue files and the shared variables of the player link, and the
// next-track operation that decides what plays next (play-now request,
// priority queue, queue, random pick). Runs on the user-interface thread;
// the player takes records from the same files in its own process.
#pragma once

#include "core/TrackRecord.h"
#include "player/PlayerFiles.h"
#include "player/PlayerLink.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vuv {

// Requests that follow the previous one within this time queue up behind it.
constexpr uint32_t kPlayNowWindowMs = 2000;
// Skip back restarts the track when more of it has played.
constexpr uint32_t kRestartTrackAfterMs = 5000;
constexpr uint32_t kPlayerPollMs = 100;
constexpr uint32_t kEnqueueRetryMs = 50;
// How long the editor waits for a launched player to say it runs: a player
// comes up in a second or two; ten seconds covers a cold, busy machine
// without leaving the user with a frozen window for long.
constexpr uint32_t kPlayerStartTimeoutMs = 10000;
// How long an append keeps retrying while the player holds a queue file:
// the player holds it for one record, so two seconds only pass when
// something is wrong, and the command then reports the failure.
constexpr uint32_t kQueueOpenTimeoutMs = 2000;

// Fills a record from its music file (tags and stream facts) once the next
// track is known: WinMain and vuvtool plug in the input plug-ins here.
using TrackFiller = std::function<void(TrackRecord& track)>;

// What the play commands work on: the link, the files, the filler. The
// editor's window and vuvtool each make one; `files.collection` follows
// the collection the program has loaded.
struct PlayContext {
    PlayContext(PlayerLink& link, const PlayerFiles& files) : link(link), files(files) {}

    PlayerLink& link;
    PlayerFiles files;
    // False in programs that must not launch the player (vuvtool).
    bool launchPlayer = true;
    TrackFiller fillTrack;
    // Previously played record that skip back requests next (1, 3, 5 ...).
    uint32_t previousCursor = 1;
};

// Launches the player when it does not run, and waits (pumping messages)
// until it says so or kPlayerStartTimeoutMs pass. False when it could not
// be started; the user has then been told.
bool EnsurePlayerRunning(PlayContext& context);
bool StartPlay(PlayContext& context);

// The result of a command that adds to a queue file. A queue file that the
// player kept in use for kQueueOpenTimeoutMs is named in `queueInUse`, for
// the caller to tell the user (QueueInUseMessage); a player that could not
// be started has been told of already.
struct QueueResult {
    bool ok = true;
    std::string queueInUse;
    explicit operator bool() const { return ok; }
};
// "Unable to add to the play queue: '<file>' stays in use."
std::string QueueInUseMessage(const std::string& queueFile);

QueueResult Enqueue(PlayContext& context, const TrackRecord& track);
QueueResult EnqueueFile(PlayContext& context, const std::string& path);
QueueResult PlayNow(PlayContext& context, const TrackRecord& track);
QueueResult PlayFile(PlayContext& context, const std::string& path);
void ResetPlayNowWindow(PlayContext& context);
bool AnythingToPlay(PlayContext& context);
// The play control: start, resume or stop.
void PlayToggle(PlayContext& context);
void SkipBack(PlayContext& context);
void Stop(PlayContext& context);
void TogglePause(PlayContext& context);
void Skip(PlayContext& context);
// "Random Play" of the not-playing menu.
void RandomPlayOn(PlayContext& context);
// The random control.
void ToggleRandomPlay(PlayContext& context);
// Re-queues the record of "TbTrackPlaying"; not ok when nothing plays.
QueueResult RequeuePlayingTrack(PlayContext& context);
// "Clear all Queued Items".
void ClearQueue(PlayContext& context);
// "Randomize Queued Items": playlists expanded, priority queue first, all
// into the queue file in a random order.
void ShuffleQueue(PlayContext& context);

bool TakePlayNowRequest(PlayContext& context, TrackRecord& out);
bool TakeQueueHead(const std::string& queueFile, TrackRecord& out);
// The next track to play: the play-now request, the priority queue, the
// queue, and while random play is on ("evtTbMyMusicRandom") the random
// draw; filled from its file. False when nothing is left (or only
// playlists that keep naming playlists).
bool NextTrack(PlayContext& context, TrackRecord& out);

// The permutation the shuffle applies: index i of the result is the record
// that goes to place i. Up to 10,000 records it is drawn as the suite always
// drew it (distinct draws of RandomBelow); above, where that draw cannot
// complete, a Fisher-Yates shuffle on RandomIndexBelow.
std::vector<uint32_t> ShufflePermutation(uint32_t count);

}  // namespace vuv
