#include "core/CollectionStore.h"

#include "core/CollectionFile.h"
#include "core/FileTypeNames.h"
#include "core/MoveJournal.h"
#include "platform/FileReplace.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/SafeSave.h"
#include "platform/Settings.h"

#include <cstring>
#include <new>

namespace vuv {

std::string CollectionTooLargeText(const std::string& path)
{
    return "'" + path + "' holds more tracks than a Music Collection can (at most 1,000,000), or more than "
                        "there is memory for. It was not loaded, and it is kept as it is.";
}

std::string CollectionKeptText(const std::string& path)
{
    return "'" + path + "' was not loaded, so it is kept as it is: nothing was saved to it. "
                        "\"Save As..\" keeps the tracks shown in another file.";
}

std::string StartCollectionPath()
{
    std::string path = GetText(kActiveCollectionSetting);
    if (path.empty())
        path = GetUserFile(kDefaultCollectionSuffix, false);
    return path.substr(0, kMaxPath - 1);
}

void RememberActiveCollection(const std::string& path)
{
    SetText(path.c_str(), kActiveCollectionSetting);
}

CollectionStore& TheCollectionStore()
{
    static CollectionStore store;
    return store;
}

void CollectionStore::NameLoadedRecordsNow() const
{
    std::lock_guard<std::mutex> guard(namingLock_);
    const size_t count = unnamed_.load(std::memory_order_relaxed);
    for (size_t i = 0; i < count; ++i) {
        artists_.Add(tracks_[i]->artist, false);
        albums_.Add(tracks_[i]->album, true);
    }
    unnamed_.store(0, std::memory_order_release);
}

void CollectionStore::AddNamesOf(const TrackRecord& track)
{
    NameLoadedRecords();
    artists_.Add(track.artist, false);
    albums_.Add(track.album, true);
}

TrackRecord& CollectionStore::AppendTrack(const TrackRecord& record, FileTypeLookup* types)
{
    NoteChange();
    TrackRecord* r = pool_.Allocate();
    *r = record;
    AddNamesOf(*r);
    r->flags &= ~uint32_t(kFlagMissing);
    r->typeName = types ? types->IdForPath(r->path) : FileTypeIdForPath(r->path);
    tracks_.push_back(r);
    return *r;
}

void CollectionStore::RemoveTrack(size_t index)
{
    if (index >= tracks_.size())
        return;
    NoteChange();
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
    changes_.fetch_add(1, std::memory_order_relaxed);
    unnamed_.store(0, std::memory_order_relaxed);
    tracks_.clear();
    pool_.Clear();
    artists_.Clear();
    albums_.Clear();
}

LoadOutcome CollectionStore::ReadRecords(TrackFileReader& reader)
{
    if (reader.RecordCount() > kMaxCollectionTracks)
        return LoadOutcome::TooLarge;
    if (reader.RecordCount() == 0)
        return LoadOutcome::Loaded;
    try {
        tracks_.reserve(size_t(reader.RecordCount()));
        // The records are copied out of the file, not kept in a
        // copy-on-write view of it. Measured under Wine 8: pages of such a
        // view that the store has not written show what another program
        // later writes into the file in place; keeping others from writing
        // needs the view held without write sharing, and while any view is
        // held Wine (and Windows) refuse to replace the file, so every save
        // of another program (a "<selective>" editor, vuvtool) to this
        // collection would fail while this one runs. Truncation is refused
        // and deletion leaves the view whole, but no holding is both safe
        // and harmless to the other savers. The copy is made cheap instead:
        // straight into the pool, whose blocks are made present when they
        // are made (ReadFile under Wine is many times slower into memory
        // touched for the first time) and kept for the next load.
        FileTypeLookup types;
        for (;;) {
            size_t room = 0;
            TrackRecord* block = pool_.Reserve(kTrackFileBlock, room);
            const size_t whole = reader.ReadBlock(block, room);
            if (whole == 0)
                break;
            pool_.Commit(whole);
            for (size_t i = 0; i < whole; ++i) {
                TrackRecord& r = block[i];
                // A damaged file may lack the terminators.
                r.artist[kTagTextSize - 1] = '\0';
                r.title[kTagTextSize - 1] = '\0';
                r.album[kTagTextSize - 1] = '\0';
                CleanUpLoadedRecord(r, &types);
                tracks_.push_back(&r);
            }
            if (tracks_.size() > kMaxCollectionTracks)  // the file grew meanwhile
                return LoadOutcome::TooLarge;
        }
    } catch (const std::bad_alloc&) {
        return LoadOutcome::TooLarge;
    }
    return reader.Failed() ? LoadOutcome::Unreadable : LoadOutcome::Loaded;
}

LoadResult CollectionStore::LoadCollection(const std::string& path)
{
    ClearCollection();
    genres_.Clear();
    hasGenres_ = false;
    activePath_ = path.substr(0, kMaxPath - 1);

    LoadResult result;
    TrackFileReader reader;
    if (reader.Open(activePath_)) {
        result.outcome = ReadRecords(reader);
        unnamed_.store(tracks_.size(), std::memory_order_release);
    } else {
        result.outcome = Exists(activePath_) ? LoadOutcome::Unreadable : LoadOutcome::Missing;
    }
    const std::string genrePath = GenreListPathFor(activePath_);
    if (!genres_.Load(genrePath) && Exists(genrePath) && result.outcome != LoadOutcome::TooLarge)
        result.outcome = LoadOutcome::Unreadable;
    hasGenres_ = true;
    keepActiveFile_ = result.outcome == LoadOutcome::Unreadable || result.outcome == LoadOutcome::TooLarge;
    if (keepActiveFile_) {
        ClearCollection();
        pool_.Release();  // a refused file may have filled the memory
        tracks_.shrink_to_fit();
        return result;
    }
    // Files an interrupted arrange pass moved: their tracks take the new
    // paths until the next save writes them.
    ReplayMoveJournal(MoveJournalPathFor(activePath_), tracks_.data(), tracks_.size());
    return result;
}

bool CollectionStore::WriteRecordsTo(FileHandle& file)
{
    TrackFileWriter writer(file, &ioBuffer_);
    if (failAfterRecords_ >= 0 && size_t(failAfterRecords_) <= tracks_.size()) {
        writer.Write(tracks_.data(), size_t(failAfterRecords_));
        if (endProcessAtFailure_)
            EndProcessNow(3);
        return false;
    }
    return writer.Write(tracks_.data(), tracks_.size());
}

SaveResult CollectionStore::SaveCollection(const std::string& path)
{
    SaveResult result;
    if (keepActiveFile_ && SamePath(FullPathOf(path), FullPathOf(activePath_))) {
        result.outcome = SaveOutcome::NotLoaded;
        result.path = path;
        return result;
    }
    NoteChange();  // normalising reorders genre ids, and with them genre texts
    if (hasGenres_)
        for (TrackRecord* r : tracks_)
            genres_.Normalise(*r);
    // The collection's lock around both files: the collection and its genre
    // list always come from the same save.
    SaveLock lock(path);
    const std::string genrePath = GenreListPathFor(path);
    if (!lock.Acquire() ||
        WriteReplacing(path, [this](FileHandle& f) { return WriteRecordsTo(f); }) != WriteOutcome::Written) {
        result.outcome = SaveOutcome::Failed;
        result.path = path;
        return result;
    }
    // The file now holds every move the journal kept.
    DeleteFileAt(MoveJournalPathFor(path));
    if (hasGenres_ &&
        WriteReplacing(genrePath, [this](FileHandle& f) { return genres_.WriteTo(f); }) != WriteOutcome::Written) {
        result.outcome = SaveOutcome::Failed;
        result.path = genrePath;
    }
    return result;
}

}  // namespace vuv
