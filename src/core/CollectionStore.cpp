#include "core/CollectionStore.h"

#include "core/CollectionFile.h"
#include "core/FileTypeNames.h"
#include "core/MoveJournal.h"
#include "platform/FileReplace.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Settings.h"

#include <cstring>

namespace vuv {

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

void CollectionStore::AddNamesOf(const TrackRecord& track)
{
    artists_.Add(track.artist, false);
    albums_.Add(track.album, true);
}

TrackRecord& CollectionStore::AppendTrack(const TrackRecord& record, FileTypeLookup* types)
{
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
    tracks_.clear();
    pool_.Clear();
    artists_.Clear();
    albums_.Clear();
}

bool CollectionStore::LoadCollection(const std::string& path)
{
    ClearCollection();
    genres_.Clear();
    hasGenres_ = false;
    activePath_ = path.substr(0, kMaxPath - 1);

    TrackFileReader reader;
    const bool opened = reader.Open(activePath_);
    if (opened) {
        tracks_.reserve(size_t(reader.RecordCount()));
        // Read through one reused buffer and copy into the pool: reading
        // straight into fresh memory is many times slower under Wine, whose
        // ReadFile pays for each page touched for the first time.
        std::vector<TrackRecord>& staging = ioBuffer_;
        staging.resize(kTrackFileBlock);
        FileTypeLookup types;
        while (const size_t whole = reader.ReadBlock(staging.data(), staging.size())) {
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
        }
    }
    // Files an interrupted arrange pass moved: their tracks take the new
    // paths until the next save writes them.
    ReplayMoveJournal(MoveJournalPathFor(activePath_), tracks_.data(), tracks_.size());
    genres_.Load(GenreListPathFor(activePath_));
    hasGenres_ = true;
    return opened;
}

bool CollectionStore::WriteRecordsTo(const std::string& path)
{
    TrackFileWriter writer(&ioBuffer_);
    if (!writer.Create(path, false, true))
        return false;
    if (failAfterRecords_ >= 0 && size_t(failAfterRecords_) < tracks_.size()) {
        writer.Write(tracks_.data(), size_t(failAfterRecords_));
        return false;
    }
    return writer.Write(tracks_.data(), tracks_.size());
}

bool CollectionStore::SaveCollection(const std::string& path)
{
    if (hasGenres_)
        for (TrackRecord* r : tracks_)
            genres_.Normalise(*r);
    const bool saved =
        WriteReplacing(path, [this](const std::string& p) { return WriteRecordsTo(p); });
    // The file now holds every move the journal kept.
    if (saved)
        DeleteFileAt(MoveJournalPathFor(path));
    if (hasGenres_)
        WriteReplacing(GenreListPathFor(path),
                       [this](const std::string& p) { return genres_.Save(p, false); });
    return saved;
}

}  // namespace vuv
