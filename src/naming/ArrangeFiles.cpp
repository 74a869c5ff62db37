#include "naming/ArrangeFiles.h"

#include "core/CollectionStore.h"
#include "core/GenreList.h"
#include "naming/ArrangedPath.h"
#include "naming/FilenamePattern.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/Wait.h"

#include <cstring>

namespace vuv {

namespace {

constexpr uint32_t kSkipWaitMs = 2000;  // the player's time to leave a track before it moves

std::string SettingOr(const char* name, const char* fallback)
{
    std::string value = GetText(name);
    return value.empty() ? std::string(fallback) : value;
}

}  // namespace

ArrangeSettings LoadArrangeSettings()
{
    return {SettingOr(kArrangeRootSetting, kDefaultArrangeRoot), SettingOr(kArrangementSetting, kDefaultStoredPattern)};
}

void StoreArrangeSettings(const ArrangeSettings& settings)
{
    SetText(settings.root.c_str(), kArrangeRootSetting);
    SetText(settings.pattern.c_str(), kArrangementSetting);
}

std::string FirstGenreText(const TrackRecord& track, const GenreList& genres)
{
    const char* name = track.genreIds[0] ? genres.NameOf(track.genreIds[0]) : nullptr;
    return name ? name : "";
}

LinkArrangePlayer::LinkArrangePlayer(const PlayerLink& link)
    : trackPlaying_(link.ObjectName("TbTrackPlaying").c_str(), sizeof(TrackRecord)),
      skip_(link.ObjectName("evtTbSkip").c_str())
{
}

std::string LinkArrangePlayer::PlayingPath()
{
    TrackRecord playing;
    memset(&playing, 0, sizeof playing);
    trackPlaying_.Get(&playing);
    playing.path[kPathTextSize - 1] = '\0';
    return playing.path;
}

void LinkArrangePlayer::SkipPlaying()
{
    skip_.Set();
    SleepMs(kSkipWaitMs);
}

ArrangeSession::ArrangeSession(CollectionStore& store, const ArrangeSettings& settings, ArrangePlayer& player)
    : store_(store), settings_(settings), player_(player), trackCount_(store.Count())
{
}

ArrangeSession::~ArrangeSession() { worker_.Stop(true); }

bool ArrangeSession::Start()
{
    progress_ = 0;
    if (worker_.Start(&ArrangeSession::Run, this))
        return true;
    progress_ = kArrangeFinished;
    return false;
}

void ArrangeSession::Run(WorkerThread& worker) { static_cast<ArrangeSession*>(worker.Parameter())->Pass(worker); }

void ArrangeSession::Pass(WorkerThread& worker)
{
    const size_t n = trackCount_;
    std::string root = settings_.root;
    EnsureTrailingBackslash(root);
    MoveJournal journal;
    if (n > 0)
        journal.Open(MoveJournalPathFor(store_.ActivePath()));
    moves_.reserve(n);
    char relative[kPathTextSize];
    const CollectionStore& store = store_;  // the pass only reads (see the top of ArrangeFiles.h)
    for (size_t i = 0; i < n; ++i) {
        const TrackRecord& track = store.Track(i);
        BuildPathFromPattern(settings_.pattern.c_str(), track, FirstGenreText(track, store.Genres()).c_str(),
                             relative);
        const std::string target = ArrangedPath(root, relative, track.path);
        if (!SamePath(target.c_str(), track.path) && target.size() < kPathTextSize) {
            if (SamePath(player_.PlayingPath().c_str(), track.path))
                player_.SkipPlaying();
            targetFolders_.MakeFolderOf(target);
            if (journal.IsOpen() && journal.Write(kMoveIntended, track.path, target.c_str()) &&
                MoveFileTo(track.path, target)) {
                moves_.push_back({i, target});
                // Without its answer the move stays settled by the disk,
                // which only works for the journal's last record: stop.
                if (!journal.Write(kMoveDone, track.path, target.c_str()))
                    break;
            }
        }
        if (worker.StopRequested())
            break;
        progress_ = int(i * 100 / n);
    }
    journal.Close();
    progress_ = kArrangeFinished;
}

int ArrangeSession::TakePlayCountReport(PlayerLink& link)
{
    PlayCountReport report;
    if (!vuv::TakePlayCountReport(link, report))
        return -1;
    if (!finished_) {
        keptReports_.push_back(report);
        return -1;
    }
    return ApplyPlayCountReport(report, store_.Order(), store_.Count());
}

void ArrangeSession::Finish()
{
    if (finished_)
        return;
    worker_.Stop(true);
    std::vector<PlayCountReport> unmatched;
    for (const PlayCountReport& report : keptReports_)
        if (ApplyPlayCountReport(report, store_.Order(), store_.Count()) < 0)
            unmatched.push_back(report);
    for (const Move& move : moves_)
        SetField(store_.Track(move.index).path, move.target);
    for (const PlayCountReport& report : unmatched)
        ApplyPlayCountReport(report, store_.Order(), store_.Count());
    keptReports_.clear();
    finished_ = true;
}

}  // namespace vuv
