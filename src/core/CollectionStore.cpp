#include "core/CollectionStore.h"

#include "core/CollectionFile.h"
#include "core/FileTypeNames.h"
#include "core/MoveJournal.h"
#include "core/TrackListView.h"
#include "core/TrackSort.h"
#include "platform/FileHandle.h"
#include "platform/FileReplace.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"
#include "selection/SelectionIndex.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <mutex>

namespace vuv {
namespace {

constexpr size_t kRecordsPerRead = 1024;   // 648 KiB per read
constexpr size_t kRecordsPerWrite = 1024;  // 648 KiB per write
constexpr const char* kSaveErrorTitle = "Vo Varar Odududaroz";
// The new file is written beside the old one under this suffix and then
// moved over it, so a failed write never touches the old file.
constexpr const char* kSavingSuffix = ".saving";

std::mutex g_overrideLock;
std::string g_override;

// Writes a file through `write` so that the previous file stays whole until
// the new one is complete: the new bytes go to a file beside it, which then
// replaces it in one step. Only when another program holds the file open
// (so it cannot be replaced) is it written in place.
bool WriteReplacing(const std::string& path, const std::function<bool(const std::string&)>& write)
{
    const std::string temporary = path + kSavingSuffix;
    if (!write(temporary)) {
        DeleteFileAt(temporary);
        return false;
    }
    switch (ReplaceFileWith(temporary, path)) {
    case ReplaceResult::Replaced:
        return true;
    case ReplaceResult::TargetInUse:
        DeleteFileAt(temporary);
        return write(path);
    case ReplaceResult::Failed:
    default:
        DeleteFileAt(temporary);
        return false;
    }
}

}  // namespace

std::string ActiveCollectionPath()
{
    {
        std::lock_guard<std::mutex> lock(g_overrideLock);
        if (!g_override.empty())
            return g_override;
    }
    std::string path = GetText(kActiveCollectionSetting);
    if (path.empty())
        path = GetUserFile(kDefaultCollectionSuffix, false);
    return path.substr(0, kMaxPath - 1);
}

void SetActiveCollectionOverride(const std::string& path)
{
    std::lock_guard<std::mutex> lock(g_overrideLock);
    g_override = path.substr(0, kMaxPath - 1);
}

void SetActiveCollection(const std::string& path)
{
    SetText(path.c_str(), kActiveCollectionSetting);
    std::lock_guard<std::mutex> lock(g_overrideLock);
    if (!g_override.empty())
        g_override = path.substr(0, kMaxPath - 1);
}

CollectionStore& TheCollectionStore()
{
    static CollectionStore store;
    return store;
}

TrackRecord& CollectionStore::AppendTrack(const TrackRecord& record, FileTypeLookup* types)
{
    TrackRecord* r = pool_.Allocate();
    *r = record;
    artists_.Add(r->artist, false);
    albums_.Add(r->album, true);
    r->flags &= ~uint32_t(kFlagMissing);
    r->typeName = types ? types->IdForPath(r->path) : FileTypeIdForPath(r->path);
    tracks_.push_back(r);
    return *r;
}

void CollectionStore::RemoveTrack(size_t index)
{
    if (index >= tracks_.size())
        return;
    pool_.Free(tracks_[index]);
    tracks_.erase(tracks_.begin() + long(index));
}

size_t CollectionStore::RemoveTracks(const std::vector<size_t>& indexes)
{
    std::vector<bool> doomed(tracks_.size(), false);
    for (size_t index : indexes)
        if (index < tracks_.size())
            doomed[index] = true;
    size_t kept = 0;
    for (size_t i = 0; i < tracks_.size(); ++i) {
        if (doomed[i])
            pool_.Free(tracks_[i]);
        else
            tracks_[kept++] = tracks_[i];
    }
    const size_t removed = tracks_.size() - kept;
    tracks_.resize(kept);
    return removed;
}

int CollectionStore::FindTrackByPath(const char* path) const
{
    for (size_t i = 0; i < tracks_.size(); ++i)
        if (SamePath(tracks_[i]->path, path))
            return int(i);
    return -1;
}

void CollectionStore::ClearCollection()
{
    BusyScope busy;
    tracks_.clear();
    pool_.Clear();
    artists_.Clear();
    albums_.Clear();
    TheTrackListView().SetItemCount(0);
    TheTrackListView().Repaint();
}

void CollectionStore::LoadCollection()
{
    BusyScope busy;
    TrackListView& view = TheTrackListView();
    ClearCollection();
    genres_.Clear();
    hasGenres_ = false;
    if (playerLink_)
        playerLink_->ClearPendingPlayedReport();
    activePath_ = ActiveCollectionPath();
    RefreshWindowTitle();

    FileHandle file;
    file.Open(activePath_, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (file.IsOpen()) {
        tracks_.reserve(size_t(file.Size() / sizeof(TrackRecord)));
        // Read through one reused buffer and copy into the pool: reading
        // straight into fresh memory is many times slower under Wine, whose
        // ReadFile pays for each page touched for the first time.
        std::vector<TrackRecord>& staging = ioBuffer_;
        staging.resize(kRecordsPerRead);
        FileTypeLookup types;
        const uint32_t want = uint32_t(staging.size() * sizeof(TrackRecord));
        for (;;) {
            const uint32_t got = file.Read(staging.data(), want);
            const size_t whole = got / sizeof(TrackRecord);  // an incomplete tail is ignored
            for (size_t done = 0; done < whole;) {
                size_t room = 0;
                TrackRecord* block = pool_.Reserve(whole - done, room);
                memcpy(block, staging.data() + done, room * sizeof(TrackRecord));
                pool_.Commit(room);
                for (size_t i = 0; i < room; ++i) {
                    TrackRecord& r = block[i];
                    // A damaged file may lack the terminators.
                    r.artist[kTagTextSize - 1] = '\0';
                    r.title[kTagTextSize - 1] = '\0';
                    r.album[kTagTextSize - 1] = '\0';
                    artists_.Add(r.artist, false);
                    albums_.Add(r.album, true);
                    CleanUpLoadedRecord(r, &types);
                    tracks_.push_back(&r);
                }
                done += room;
            }
            if (got < want)
                break;
        }
        file.Close();
    }
    // Files an interrupted arrange pass moved: their tracks take the new
    // paths until the next save writes them.
    ReplayMoveJournal(MoveJournalPathFor(activePath_), *this);
    genres_.Load(GenreListPathFor(activePath_));
    hasGenres_ = true;

    view.SetItemCount(tracks_.size());
    if (playerLink_) {
        const std::string playing = playerLink_->PlayingPath();
        if (!playing.empty()) {
            int index = FindTrackByPath(playing.c_str());
            if (index >= 0)
                view.SelectOnly(index);
        }
    }
    RefreshSelectionMarks();
    view.Repaint();
    view.RefreshStatusLine();
}

bool CollectionStore::WriteRecordsTo(const std::string& path)
{
    FileHandle file;
    file.Open(path, FileAccess::Write, FileDisposition::CreateAlways, false, true);
    if (!file.IsOpen())
        return false;
    std::vector<TrackRecord>& block = ioBuffer_;
    block.reserve(kRecordsPerWrite);
    for (size_t done = 0; done < tracks_.size();) {
        size_t n = std::min(kRecordsPerWrite, tracks_.size() - done);
        bool simulatedFailure = false;
        if (failAfterRecords_ >= 0 && done + n > size_t(failAfterRecords_)) {
            n = size_t(failAfterRecords_) - done;
            simulatedFailure = true;
        }
        block.clear();
        for (size_t i = 0; i < n; ++i)
            block.push_back(StoredForm(*tracks_[done + i]));
        if (n && !file.Write(block.data(), uint32_t(n * sizeof(TrackRecord))))
            return false;
        if (simulatedFailure)
            return false;
        done += n;
    }
    return true;
}

bool CollectionStore::WriteCollectionFile(const std::string& path)
{
    return WriteReplacing(path, [this](const std::string& p) { return WriteRecordsTo(p); });
}

bool CollectionStore::SaveCollection(bool sortFirst)
{
    BusyScope busy;
    if (sortFirst) {
        SortState& state = TheSortState();
        const int savedKey = state.sortKey;
        state.sortKey = 1;
        SortTracks(-1, -1, true, true);
        state.sortKey = savedKey;
    }
    if (hasGenres_)
        for (TrackRecord* r : tracks_)
            genres_.Normalise(*r);

    bool saved = false;
    std::string path;
    for (;;) {
        path = ActiveCollectionPath();
        if (WriteCollectionFile(path)) {
            saved = true;
            // The file now holds every move the journal kept.
            DeleteFileAt(MoveJournalPathFor(path));
            break;
        }
        if (ShowMessage("Error saving '" + path + "'.", kSaveErrorTitle,
                        MessageButtons::RetryCancel, MessageIcon::Error) != MessageAnswer::Retry)
            break;
    }
    if (hasGenres_)
        WriteReplacing(GenreListPathFor(path),
                       [this](const std::string& p) { return genres_.Save(p, false); });

    RebuildSelectionIndex(GetUserFile(kCriteriaSuffix, false), path,
                          hasGenres_ ? &genres_ : nullptr,
                          GetUserFile(kSelectionIndexSuffix, false));
    RefreshSelectionMarks();
    TheTrackListView().Repaint();
    return saved;
}

void CollectionStore::RefreshSelectionMarks()
{
    MarkNotInSelection(tracks_.data(), tracks_.size(), GetUserFile(kSelectionIndexSuffix, false));
}

std::string CollectionStore::WindowTitle() const
{
    const std::string path = activePath_.empty() ? ActiveCollectionPath() : activePath_;
    std::string title = "Tonbrook - Music Collection '" + BaseNameOf(path) + "'";
    if (SelectionIndexHasEntries(GetUserFile(kSelectionIndexSuffix, false))) {
        title += " [Selective Play";
        const std::string preset = GetText("EditorSelectivePlay");
        if (!preset.empty())
            title += ": " + preset;
        title += "]";
    }
    return title;
}

void CollectionStore::RefreshWindowTitle() const { TheTrackListView().SetWindowTitle(WindowTitle()); }

void CollectionStore::SetPlayerLink(CollectionPlayerLink* link) { playerLink_ = link; }

}  // namespace vuv
