#include "intake/AddTracks.h"

#include "core/CollectionStore.h"
#include "core/FileTypeNames.h"
#include "core/MoveJournal.h"
#include "core/PathKey.h"
#include "naming/ArrangedPath.h"
#include "naming/FilenamePattern.h"
#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/Wait.h"
#include "plugins/TrackInfo.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace vuv {

namespace {

// The duplicate test, hashed: for each path (folded as SamePath compares
// it) the tracks that hold it, in collection order, so that the first one
// is the track a walk of the collection would meet first. Built once per
// run; a track moved to the end goes to the back of its list, a new track
// joins its list at the back. The keys point into the records' own paths,
// which stay put for the run.
class TrackPaths {
public:
    explicit TrackPaths(CollectionStore& store, size_t expected)
    {
        map_.reserve(store.Count() + expected);
        for (size_t i = 0; i < store.Count(); ++i)
            Add(&store.Track(i));
    }

    TrackRecord* First(const char* path) const
    {
        auto it = map_.find(path);
        return it == map_.end() ? nullptr : it->second.front();
    }
    void Add(TrackRecord* track) { map_[track->path].push_back(track); }
    void MoveToEnd(TrackRecord* track)
    {
        std::vector<TrackRecord*>& tracks = map_[track->path];
        tracks.erase(std::find(tracks.begin(), tracks.end(), track));
        tracks.push_back(track);
    }

private:
    std::unordered_map<const char*, std::vector<TrackRecord*>, PathKeyHash, PathKeyEqual> map_;
};

// The order the run gives the collection. Taking a track out of the middle
// of the store for each file found would cost the collection's size per
// file; instead the run keeps, for each track it appended or moved to the
// end, when it did so last, and rebuilds the order once at the end: the
// tracks it never touched in their order, then the touched ones in the
// order of their last move, which is the order that moving each to the end
// at once would have left.
class RunOrder {
public:
    void MoveToEnd(TrackRecord* track) { lastMove_[track] = ++sequence_; }

    // Rewrites the store's order; returns the index of the first touched
    // track (the count when none was touched).
    size_t Apply(CollectionStore& store) const
    {
        std::vector<std::pair<uint64_t, TrackRecord*>> moved;
        moved.reserve(lastMove_.size());
        TrackRecord** order = store.Order();
        size_t kept = 0;
        for (size_t i = 0; i < store.Count(); ++i) {
            auto it = lastMove_.find(order[i]);
            if (it == lastMove_.end())
                order[kept++] = order[i];
            else
                moved.emplace_back(it->second, order[i]);
        }
        std::sort(moved.begin(), moved.end());
        size_t at = kept;
        for (const auto& m : moved)
            order[at++] = m.second;
        return kept;
    }

private:
    std::unordered_map<TrackRecord*, uint64_t> lastMove_;
    uint64_t sequence_ = 0;
};

// A path the record can hold and the file system can name: not empty, at
// most 259 characters, no control characters (a garbage hand-off record).
bool Acceptable(const std::string& path)
{
    if (path.empty() || path.size() >= kPathTextSize)
        return false;
    for (unsigned char c : path)
        if (c < 0x20)
            return false;
    return true;
}

// Waits until the file can be opened for writing without sharing (no other
// program holds it), trying every kLockPollMs for up to kLockWaitMs while
// the window stays alive. A cancel ends the wait early, and a file that is
// not there is held by nobody: no wait.
void WaitForExclusiveOpen(const std::string& path, AddProgress& progress)
{
    auto canOpen = [&path] {
        FileHandle file;
        file.Open(path, FileAccess::Write, FileDisposition::OpenExisting, false, false);
        return file.IsOpen();
    };
    if (canOpen() || !Exists(path))
        return;
    // A shell change notification before the wait would change nothing the
    // wait depends on, so none is sent.
    const uint32_t start = TickCountMs();
    while (TickCountMs() - start < kLockWaitMs && !progress.CancelRequested()) {
        progress.Pump();
        SleepMs(kLockPollMs);
        if (canOpen())
            return;
    }
}

class AddRun {
public:
    AddRun(const AddRequest& request, CollectionStore& store, AddProgress& progress, AddTracksHost& host)
        : request_(request), settings_(request.settings), store_(store), progress_(progress), host_(host),
          paths_(store, request.paths.size())
    {
        root_ = settings_.moveRoot;
        EnsureTrailingBackslash(root_);
    }

    AddResult Run();

private:
    bool TargetFor(const std::string& path, std::string& target);
    bool MoveIntoArrangement(const std::string& source, const std::string& target);
    bool TryMove(const std::string& source, const std::string& target);
    void AppendNew(const std::string& path);
    uint16_t GenreId(const char* name);
    void Finish();

    const AddRequest& request_;
    const IntakeSettings& settings_;
    CollectionStore& store_;
    AddProgress& progress_;
    AddTracksHost& host_;
    TrackPaths paths_;
    RunOrder order_;
    std::string root_;             // the arrangement's root with a trailing "\" (when not empty)
    bool waited_ = false;          // the run's one lock wait has been used
    TargetFolders targetFolders_;
    std::unordered_map<std::string, uint16_t> genreIds_;  // genre text -> id, this run
    FileTypeLookup types_;
    MoveJournal journal_;
    bool journalTried_ = false;
    AddResult result_;
};

// The place of the file in the arrangement: root + the pattern's path for
// the file's tags + the file's extension; its folders are created. False
// when the target would not fit a path field.
bool AddRun::TargetFor(const std::string& path, std::string& target)
{
    TrackRecord probe;
    memset(&probe, 0, sizeof probe);
    SetField(probe.path, path);
    char genre[kGenreTextSize] = "";
    FillTrackFromFile(probe, genre);
    char relative[kPathTextSize];
    BuildPathFromPattern(settings_.arrangement.c_str(), probe, genre, relative);
    target = ArrangedPath(root_, relative, path.c_str());
    if (target.size() >= kPathTextSize)
        return false;
    targetFolders_.MakeFolderOf(target);
    return true;
}

// One rename, never overwriting, written ahead to the move journal; no
// journal, no move.
bool AddRun::TryMove(const std::string& source, const std::string& target)
{
    if (!journalTried_) {
        journalTried_ = true;
        journal_.Open(MoveJournalPathFor(store_.ActivePath()));
    }
    // A target that exists is never touched: the rename would fail anyway,
    // and the journal's intended record must name a target the move itself
    // creates.
    if (Exists(target) || !journal_.IsOpen())
        return false;
    if (!journal_.Write(kAddMoveIntended, source.c_str(), target.c_str()))
        return false;
    const bool moved = MoveFileTo(source, target);
    journal_.Write(moved ? kAddMoveDone : kMoveNotDone, source.c_str(), target.c_str());
    return moved;
}

// The move with the run's one lock wait: a first failure waits for the
// source to be free and tries once more; a failure after the wait was used
// is final.
bool AddRun::MoveIntoArrangement(const std::string& source, const std::string& target)
{
    for (;;) {
        if (TryMove(source, target))
            return true;
        if (waited_) {
            result_.failed = true;
            return false;
        }
        if (Exists(target))
            result_.existed = true;
        waited_ = true;
        WaitForExclusiveOpen(source, progress_);
    }
}

uint16_t AddRun::GenreId(const char* name)
{
    auto it = genreIds_.find(name);
    if (it != genreIds_.end())
        return it->second;
    const uint16_t id = store_.Genres().IdFor(name, true);
    genreIds_.emplace(name, id);
    return id;
}

void AddRun::AppendNew(const std::string& path)
{
    TrackRecord track;
    memset(&track, 0, sizeof track);
    SetField(track.path, path);
    char genre[kGenreTextSize] = "";
    FillTrackFromFile(track, genre);
    if (track.volumeBoost == 0)
        track.volumeBoost = kVolumeBoostZeroDb;
    track.flags = kFlagNew;
    if (genre[0] && store_.HasGenreList())
        track.genreIds[0] = GenreId(genre);
    ApplyNewTrackDefaults(track, request_.defaults);
    TrackRecord& stored = store_.AppendTrack(track, &types_);
    paths_.Add(&stored);
    order_.MoveToEnd(&stored);
    ++result_.added;
    if (settings_.enqueueNew)
        host_.Enqueue(stored);
}

AddResult AddRun::Run()
{
    const std::vector<std::string>& paths = request_.paths;
    const size_t n = paths.size();
    result_.offered = n;
    progress_.ClearCancel();
    progress_.SetHeadline("Adding Tracks...");
    progress_.SetDetail("");
    progress_.ShowBar();
    std::string target;
    for (size_t i = 0; i < n && !progress_.CancelRequested(); ++i) {
        const std::string& path = paths[i];
        target = path;
        bool take = Acceptable(path);
        if (take && settings_.moveNew && !TargetFor(path, target))
            take = false;
        if (!take) {
            ++result_.rejected;
        } else if (TrackRecord* found = paths_.First(target.c_str())) {
            // In the collection already: the track moves to the end, among
            // the new ones, and its file is neither moved nor read again.
            paths_.MoveToEnd(found);
            order_.MoveToEnd(found);
            ++result_.found;
            result_.existed = true;
            if (settings_.enqueueNew)
                host_.Enqueue(*found);
        } else if (!settings_.moveNew || MoveIntoArrangement(path, target)) {
            AppendNew(target);
        }
        char detail[64];
        snprintf(detail, sizeof detail, "Track %u of %u", unsigned(i + 1), unsigned(n));
        progress_.SetDetail(detail);
        progress_.SetBar(int(i * 100 / n));
        progress_.Pump();
    }
    result_.cancelled = progress_.CancelRequested();
    journal_.Close();
    Finish();
    return result_;
}

void AddRun::Finish()
{
    // The new range starts after the tracks the run never touched: only a
    // track that was in the collection before the run lowers its start. (A
    // file offered twice in one run finds its own new track, which is in
    // the range already, so no older track is drawn into the new ones.)
    const size_t first = order_.Apply(store_);
    result_.firstNew = first;
    const size_t count = store_.Count();
    SortState byArtist = request_.sort;
    byArtist.sortKey = kSortArtist;
    SortTrackPointers(store_.Order() + first, count - first, byArtist,
                      store_.HasGenreList() ? &store_.Genres() : nullptr);
    host_.SetItemCount(count);
    if (first < count)
        host_.SelectOnly(first);
    result_.saved = host_.SaveCollection();
    // An add that leaves the collection empty has nothing to play.
    if (first == 0 && count > 0)
        host_.StartPlayback();
    if (first < count)
        host_.AddToSelection(first, count - 1);
    host_.Refresh();
}

}  // namespace

AddResult AddTracks(const AddRequest& request, CollectionStore& store, AddProgress& progress,
                    AddTracksHost& host)
{
    AddRun run(request, store, progress, host);
    return run.Run();
}

std::vector<std::string> AddResultMessages(const AddResult& result, const IntakeSettings& settings)
{
    std::vector<std::string> messages;
    if (settings.moveNew && result.existed)
        messages.push_back(kExistedMessage);
    if (result.failed)
        messages.push_back(kFailedMessage);
    if (result.rejected)
        messages.push_back(kRejectedMessage);
    return messages;
}

}  // namespace vuv
