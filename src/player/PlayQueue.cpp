#include "player/PlayQueue.h"

#include "core/CollectionFile.h"
#include "player/Playlist.h"
#include "player/QueueRecord.h"
#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/FileRemoval.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Random.h"
#include "platform/UserMessages.h"
#include "platform/Wait.h"
#include "platform/WideRandom.h"
#include "selection/RandomPlay.h"

#include <cstring>
#include <memory>
#include <vector>

namespace vuv {

namespace {

// A playlist whose entries name playlists again would send the next-track
// operation round for ever; after this many playlists in a row it gives up.
constexpr int kMaxPlaylistRounds = 100;

QueueRecord QueueRecordOf(const TrackRecord& track)
{
    QueueRecord record;
    memset(&record, 0, sizeof record);
    record.track = track;
    return record;
}

TrackRecord RecordWithPath(const std::string& path)
{
    TrackRecord track;
    memset(&track, 0, sizeof track);
    SetField(track.path, path);
    return track;
}

// Opens a queue file for appending, not shared, so that the player never
// reads a half-written record. Retries until `timeoutMs` pass, pausing
// `pauseMs` between tries (0: at once).
bool OpenForAppend(FileHandle& file, const std::string& name, uint32_t pauseMs,
                   uint32_t timeoutMs)
{
    const uint32_t start = TickCountMs();
    for (;;) {
        file.Open(name, FileAccess::Write, FileDisposition::OpenAlways, false, false);
        if (file.IsOpen())
            return true;
        if (TickCountMs() - start >= timeoutMs)
            return false;
        SleepMs(pauseMs);
    }
}

QueueResult AppendToQueueFile(const std::string& name, const TrackRecord& track, uint32_t pauseMs)
{
    QueueResult result;
    FileHandle file;
    if (!OpenForAppend(file, name, pauseMs, kQueueOpenTimeoutMs)) {
        result.ok = false;
        result.queueInUse = name;
        return result;
    }
    result.ok = AppendQueueRecord(file, QueueRecordOf(track));
    return result;
}

// Whether the queue file holds `playlist` as an item none of whose entries
// were handed out yet.
bool HoldsUnstartedItem(FileHandle& queueFile, const char* playlist)
{
    QueueRecord record;
    queueFile.Seek(0, SeekOrigin::Start);
    while (queueFile.Read(&record, kQueueRecordSize) == kQueueRecordSize) {
        record.track.path[kPathTextSize - 1] = '\0';
        if (record.taken == 0 && SamePath(record.track.path, playlist))
            return true;
    }
    return false;
}

bool ReadFirstPreviouslyPlayed(const PlayContext& context, uint32_t position, TrackRecord& out)
{
    TrackFileReader file;
    return file.Open(context.files.previouslyPlayed) && file.ReadAt(position, out);
}

}  // namespace

std::string QueueInUseMessage(const std::string& queueFile)
{
    return "Unable to add to the play queue: '" + queueFile + "' stays in use.";
}

bool EnsurePlayerRunning(PlayContext& context)
{
    PlayerLink& link = context.link;
    if (link.playerRunning.IsSet())
        return true;
    NamedEvent beingStarted(link.ObjectName("TbPLAKBeingStarted").c_str());
    if (beingStarted.IsSet())
        return true;
    beingStarted.Set();
    const std::string program = context.files.installFolder + "plak.exe";
    bool running = RunProgram(program, false);
    if (!running) {
        ShowMessage("Unable to start the player '" + program + "'.", kProgramTitle,
                    MessageButtons::Ok, MessageIcon::Warning);
    } else {
        const uint32_t start = TickCountMs();
        while (!link.playerRunning.IsSet() && TickCountMs() - start < kPlayerStartTimeoutMs) {
            PumpMessages();
            SleepMs(kPlayerPollMs);
        }
        running = link.playerRunning.IsSet();
    }
    beingStarted.Reset();
    return running;
}

bool StartPlay(PlayContext& context)
{
    PlayerLink& link = context.link;
    link.play.Set();
    link.pause.Reset();
    WriteSelectorSwitch(link, 0);
    IncrementPlayListChanged(link);
    return !context.launchPlayer || EnsurePlayerRunning(context);
}

QueueResult Enqueue(PlayContext& context, const TrackRecord& track)
{
    const QueueResult result = AppendToQueueFile(context.files.queue, track, kEnqueueRetryMs);
    IncrementPlayListChanged(context.link);
    return result;
}

QueueResult EnqueueFile(PlayContext& context, const std::string& path)
{
    return Enqueue(context, RecordWithPath(path));
}

QueueResult PlayNow(PlayContext& context, const TrackRecord& track)
{
    PlayerLink& link = context.link;
    const uint32_t last = link.lastSetTsp.GetU32();
    QueueResult result;
    if (TickCountMs() - last <= kPlayNowWindowMs)
        result = AppendToQueueFile(context.files.priorityQueue, track, 0);
    else
        link.trackShouldPlay.Set(&track);
    link.lastSetTsp.SetU32(TickCountMs());
    if (!StartPlay(context))
        result.ok = false;
    return result;
}

QueueResult PlayFile(PlayContext& context, const std::string& path)
{
    return PlayNow(context, RecordWithPath(path));
}

void ResetPlayNowWindow(PlayContext& context) { context.link.lastSetTsp.SetU32(0); }

bool AnythingToPlay(PlayContext& context)
{
    PlayerLink& link = context.link;
    if (link.myMusicRandom.IsSet())
        return true;
    TrackRecord request;
    memset(&request, 0, sizeof request);
    link.trackShouldPlay.Get(&request);
    if (request.path[0] != '\0')
        return true;
    return FileSize(context.files.priorityQueue) != 0 || FileSize(context.files.queue) != 0;
}

void PlayToggle(PlayContext& context)
{
    PlayerLink& link = context.link;
    if (!link.play.IsSet()) {
        if (!AnythingToPlay(context)) {
            TrackRecord last;
            if (ReadFirstPreviouslyPlayed(context, 0, last))
                PlayNow(context, last);
        }
        StartPlay(context);
    } else if (link.pause.IsSet()) {
        link.pause.Reset();
    } else {
        link.play.Reset();
    }
    IncrementPlayListChanged(link);
}

void SkipBack(PlayContext& context)
{
    PlayerLink& link = context.link;
    TrackTime time = {};
    link.trackTime.Get(&time);
    if (time.elapsedMs > kRestartTrackAfterMs) {
        link.skipToPos.SetU32(1);
        return;
    }
    if (StepBackInPlaylistItem(context.files.priorityQueue) ||
        StepBackInPlaylistItem(context.files.queue)) {
        IncrementPlayListChanged(link);
        link.skip.Set();
        return;
    }
    TrackRecord previous;
    if (ReadFirstPreviouslyPlayed(context, context.previousCursor, previous)) {
        link.trackShouldPlay.Set(&previous);
        context.previousCursor += 2;
    } else {
        context.previousCursor = 1;
    }
}

void Stop(PlayContext& context) { context.link.play.Reset(); }

void TogglePause(PlayContext& context)
{
    context.link.pause.Toggle();
    IncrementPlayListChanged(context.link);
}

void Skip(PlayContext& context) { context.link.skip.Set(); }

void RandomPlayOn(PlayContext& context)
{
    context.link.myMusicRandom.Set();
    if (!context.link.play.IsSet())
        PlayToggle(context);
}

void ToggleRandomPlay(PlayContext& context)
{
    context.link.myMusicRandom.Toggle();
    IncrementPlayListChanged(context.link);
}

QueueResult RequeuePlayingTrack(PlayContext& context)
{
    TrackRecord playing;
    memset(&playing, 0, sizeof playing);
    context.link.trackPlaying.Get(&playing);
    if (playing.path[0] == '\0') {
        QueueResult nothing;
        nothing.ok = false;
        return nothing;
    }
    return Enqueue(context, playing);
}

void ClearQueue(PlayContext& context)
{
    RemoveFile(context.files.priorityQueue);
    RemoveFile(context.files.queue);
    IncrementPlayListChanged(context.link);
}

std::vector<uint32_t> ShufflePermutation(uint32_t count)
{
    std::vector<uint32_t> order;
    order.reserve(count);
    if (count <= kRandomBelowReach) {
        // Draw until every index came once; a table replaces the search of
        // the permutation drawn so far, with the same draws and result.
        std::vector<bool> drawn(count, false);
        while (order.size() < count) {
            const uint32_t r = uint32_t(RandomBelow(int32_t(count)));
            if (!drawn[r]) {
                drawn[r] = true;
                order.push_back(r);
            }
        }
        return order;
    }
    for (uint32_t i = 0; i < count; ++i)
        order.push_back(i);
    for (uint32_t i = count - 1; i > 0; --i) {
        const uint32_t j = RandomIndexBelow(i + 1);
        std::swap(order[i], order[j]);
    }
    return order;
}

// The queues are only deleted once their records are safe in the temporary
// file, and the temporary file only once the shuffled queue is written: a
// failure on the way leaves every queued record somewhere.
void ShuffleQueue(PlayContext& context)
{
    const std::string temp = MakeTempFile("RND");
    if (temp.empty()) {
        ShowMessage("Unable to shuffle the play queue: no temporary file.", kProgramTitle,
                    MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    for (const std::string* queue : {&context.files.priorityQueue, &context.files.queue}) {
        if (!ExpandQueueFile(*queue, temp)) {
            ShowMessage("Unable to shuffle the play queue '" + *queue + "'.", kProgramTitle,
                        MessageButtons::Ok, MessageIcon::Warning);
            IncrementPlayListChanged(context.link);
            DeleteTempFile(temp);
            return;
        }
    }
    RemoveFile(context.files.priorityQueue);
    RemoveFile(context.files.queue);
    const uint32_t count = uint32_t(FileSize(temp) / kQueueRecordSize);
    if (count == 0) {
        IncrementPlayListChanged(context.link);
        DeleteTempFile(temp);
        return;
    }
    const std::vector<uint32_t> order = ShufflePermutation(count);
    FileHandle in;
    in.Open(temp, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    FileHandle out;
    const uint32_t start = TickCountMs();
    for (;;) {
        out.Open(context.files.queue, FileAccess::Write, FileDisposition::CreateAlways, false,
                 true);
        if (out.IsOpen() || TickCountMs() - start >= kQueueOpenTimeoutMs)
            break;
        SleepMs(kEnqueueRetryMs);
    }
    bool written = in.IsOpen() && out.IsOpen();
    QueueRecord record;
    for (size_t i = 0; written && i < order.size(); ++i) {
        in.Seek(int32_t(order[i] * kQueueRecordSize), SeekOrigin::Start);
        written = in.Read(&record, kQueueRecordSize) == kQueueRecordSize &&
                  out.Write(&record, kQueueRecordSize);
    }
    in.Close();
    out.Close();
    IncrementPlayListChanged(context.link);
    if (!written) {
        ShowMessage("Unable to write the play queue '" + context.files.queue +
                        "'. The queued tracks are kept in '" + temp + "'.",
                    kProgramTitle, MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    DeleteTempFile(temp);
}

bool TakePlayNowRequest(PlayContext& context, TrackRecord& out)
{
    TrackRecord request;
    memset(&request, 0, sizeof request);
    context.link.trackShouldPlay.Get(&request);
    if (request.path[0] == '\0')
        return false;
    out = request;
    const TrackRecord empty = {};
    context.link.trackShouldPlay.Set(&empty);
    return true;
}

bool TakeQueueHead(const std::string& queueFile, TrackRecord& out)
{
    if (FileSize(queueFile) < kQueueRecordSize)
        return false;
    FileHandle file;
    file.Open(queueFile, FileAccess::ReadWrite, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen())
        return false;
    QueueRecord head;
    if (!ReadQueueHead(file, head))
        return false;
    if (IsPlaylist(head.track.path)) {
        TakeNextEntry(file, head, out);
    } else {
        out = head.track;
        file.ShiftTail(kQueueRecordSize, -int64_t(kQueueRecordSize));
    }
    return true;
}

bool NextTrack(PlayContext& context, TrackRecord& out)
{
    for (int round = 0; round < kMaxPlaylistRounds; ++round) {
        memset(&out, 0, sizeof out);
        if (!TakePlayNowRequest(context, out) &&
            !TakeQueueHead(context.files.priorityQueue, out) &&
            !TakeQueueHead(context.files.queue, out) &&
            !(context.link.myMusicRandom.IsSet() &&
              RandomPick({context.files.collection, context.files.selectionIndex,
                          context.files.previouslyPlayed},
                         out)))
            return false;
        out.path[kPathTextSize - 1] = '\0';
        if (!IsPlaylist(out.path)) {
            if (context.fillTrack && out.path[0] != '\0')
                context.fillTrack(out);
            return true;
        }
        // A playlist already waiting unstarted in the priority queue is not
        // queued again: the draw comes to it all the same, and a playlist
        // that names itself (directly or through others) cannot make the
        // priority queue grow with every next.
        FileHandle priority;
        priority.Open(context.files.priorityQueue, FileAccess::ReadWrite,
                      FileDisposition::OpenAlways, false, false);
        if (priority.IsOpen() && !HoldsUnstartedItem(priority, out.path)) {
            AppendQueueRecord(priority, QueueRecordOf(RecordWithPath(out.path)));
            priority.Close();
            IncrementPlayListChanged(context.link);
        }
    }
    memset(&out, 0, sizeof out);
    return false;
}

}  // namespace vuv
