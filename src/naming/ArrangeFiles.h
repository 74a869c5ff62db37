// "Arrange Files": every music file of the collection is moved to the place
// that a filename pattern gives it below a root folder, and its track takes
// the new path. The pass runs on a worker thread while the user-interface
// thread shows its progress.
//
// Keeping the store and the pass apart: the store has no lock, and the main
// window's timer keeps taking the player's play-count reports while the
// pass runs. So nobody writes a record during the pass: the pass only reads
// the tracks and collects its moves, and the timer hands the reports to the
// session (TakePlayCountReport), which keeps them. Once the pass has ended,
// Finish applies, on the user-interface thread, the kept reports and the
// moves, in that order, and then a report that matched no track once more
// (a report names the track by the path the player knew, which may be the
// old one or the new one). So the pass reads whole records, and no report
// is lost or applied twice.
//
// Safety of the user's files: a move is a rename that never overwrites; a
// file that cannot be moved (missing, in use, target present, folder
// refused, target longer than 259 characters) keeps its path and the pass
// goes on silently. Every move is written ahead to the collection's move
// journal (core/MoveJournal.h); a move whose journal record cannot be
// written is not made, so that an interrupted pass never leaves a moved
// file the collection cannot find.
#pragma once

#include "core/MoveJournal.h"
#include "core/TrackRecord.h"
#include "naming/ArrangedPath.h"
#include "platform/WorkerThread.h"
#include "player/PlayerLink.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

class CollectionStore;
class GenreList;

constexpr const char* kArrangeRootSetting = "ArrangeRoot";
constexpr const char* kArrangementSetting = "Arrangement";
constexpr const char* kDefaultArrangeRoot = "C:\\TbMusic";

// Progress numbers besides 0..99 (percent of tracks done).
constexpr int kArrangeFinished = -1;  // the pass has ended
constexpr int kArrangeShown = -2;     // the progress window has shown the end

struct ArrangeSettings {
    std::string root;     // the root folder as the user gave it
    std::string pattern;  // stored form
};
// "ArrangeRoot" and "Arrangement", each with its default when missing or
// empty.
ArrangeSettings LoadArrangeSettings();
// What "Begin >>" stores: the root and the pattern (stored form).
void StoreArrangeSettings(const ArrangeSettings& settings);

// The name of the track's first genre (slot 0), empty when the slot is 0 or
// the list does not hold the id.
std::string FirstGenreText(const TrackRecord& track, const GenreList& genres);

// What the pass needs of the player. Called on the pass's worker thread.
class ArrangePlayer {
public:
    virtual ~ArrangePlayer() = default;
    // The path of the track playing; empty when nothing plays.
    virtual std::string PlayingPath() = 0;
    // Asks the player to leave the track it plays and gives it the time to
    // do so before the file moves.
    virtual void SkipPlaying() = 0;
};

// Over the player link's "TbTrackPlaying", and "evtTbSkip" followed by a
// wait of 2000 ms. It opens objects of its own under the link's names, so
// that the worker thread never shares a wrapper with the user-interface
// thread.
class LinkArrangePlayer : public ArrangePlayer {
public:
    explicit LinkArrangePlayer(const PlayerLink& link);
    std::string PlayingPath() override;
    void SkipPlaying() override;

private:
    SharedVariable trackPlaying_;
    NamedEvent skip_;
};

// One run of the command: the pass on its worker thread, its progress, the
// play-count reports kept meanwhile, and the moves handed to the store
// afterwards. The store must not change from Start until Finish (the
// progress window is modal); saving is the caller's, after Finish.
class ArrangeSession {
public:
    ArrangeSession(CollectionStore& store, const ArrangeSettings& settings, ArrangePlayer& player);
    ~ArrangeSession();
    ArrangeSession(const ArrangeSession&) = delete;
    ArrangeSession& operator=(const ArrangeSession&) = delete;

    // Starts the pass. False when the worker thread could not start (the
    // pass then counts as finished without a move).
    bool Start();

    // The progress number: 0..99 while the pass runs, kArrangeFinished once
    // it has ended; the progress window may store kArrangeShown. A plain
    // shared number, written by the pass and read by the window.
    std::atomic<int>& Progress() { return progress_; }

    // The main window's timer: takes the player's report out of the link
    // and keeps it until Finish; after Finish it is applied at once. The
    // index of a changed track, or -1.
    int TakePlayCountReport(PlayerLink& link);

    // Asks the pass to stop after the track it is moving; it does not wait.
    void RequestStop() { worker_.Stop(false); }

    // User-interface thread: asks the pass to stop after the track it is
    // moving, waits for its end, then applies the kept reports and the moves
    // to the store. Once only; later calls change nothing.
    void Finish();

    size_t Moved() const { return moves_.size(); }
    size_t TrackCount() const { return trackCount_; }

private:
    struct Move {
        size_t index;
        std::string target;
    };

    static void Run(WorkerThread& worker);
    void Pass(WorkerThread& worker);

    CollectionStore& store_;
    ArrangeSettings settings_;
    ArrangePlayer& player_;
    size_t trackCount_;
    std::atomic<int> progress_{0};
    std::vector<Move> moves_;  // the pass's; read only after it has ended
    TargetFolders targetFolders_;
    std::vector<PlayCountReport> keptReports_;
    bool finished_ = false;
    WorkerThread worker_;  // last: ended before the members it uses go
};

}  // namespace vuv
