// The active Music Collection in memory: the one owner of every TrackRecord
// of the collection, of its genre list and of the artist and album name
// lists, and the link between memory and the collection file.
//
// Row i of the track list is record i of the store (display order, which is
// also the file order). Indexes change when the store is sorted or a track
// is removed. There is exactly one store (TheCollectionStore); it has no
// lock and is used on the user-interface thread, except by the arrange pass
// while that pass owns it. The store neither shows nor asks anything: its
// operations report by their results, and the window (or vuvtool) keeps
// the list, the title, the selection index and the player in step.
#pragma once

#include "core/CollectionFile.h"
#include "core/FileTypeNames.h"
#include "core/GenreList.h"
#include "core/NameList.h"
#include "core/RecordPool.h"
#include "core/TrackRecord.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace vuv {

// The most tracks a collection may hold (about 650 MB of records): a file
// beyond it is refused unread, as is one that does not fit in memory.
constexpr size_t kMaxCollectionTracks = 1000000;

// What LoadCollection found. Only Loaded reads as true.
enum class LoadOutcome {
    Loaded,
    Missing,     // no file (or a file without its genre list): an empty collection
    Unreadable,  // the file or its genre list is there but could not be read
    TooLarge,    // beyond kMaxCollectionTracks, or not enough memory
};
struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Loaded;
    explicit operator bool() const { return outcome == LoadOutcome::Loaded; }
};

// What SaveCollection did. Only Saved reads as true.
enum class SaveOutcome {
    Saved,
    Failed,     // `path` was not written (full disk, read-only, held by another program)
    NotLoaded,  // `path` is the file that was not read at load: kept as it is
};
struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    std::string path;  // the file not written or kept; empty when saved
    explicit operator bool() const { return outcome == SaveOutcome::Saved; }
};

// The messages of a refused load and of a refused save (NotLoaded).
std::string CollectionTooLargeText(const std::string& path);
std::string CollectionKeptText(const std::string& path);

// Setting names of the collection store.
constexpr const char* kActiveCollectionSetting = "ActiveMusicCollection";
constexpr const char* kCollectionFolderSetting = "LastAccessedFolderVUV";
constexpr const char* kLastFolderSetting = "LastAccessedFolder";

// The collection the next start opens: the "ActiveMusicCollection" setting,
// else the per-user default collection (install folder + user name +
// ".mcc"). Read once at start; during a run the store's ActivePath() is the
// active collection.
std::string StartCollectionPath();
// Writes "ActiveMusicCollection", so that the next start opens `path`.
void RememberActiveCollection(const std::string& path);

class CollectionStore {
public:
    CollectionStore() = default;
    CollectionStore(const CollectionStore&) = delete;
    CollectionStore& operator=(const CollectionStore&) = delete;

    // --- records, in display order ---
    // Every way to change the store (a record, the order, the genre list)
    // bumps ChangeCount(): the mutable accessors count as a change whether
    // or not the caller writes, so readers use the const ones. A caller
    // that writes records through the const Order() calls NoteChange().
    // What is worked out from the records and kept (the sort's ranks) is
    // valid only while the count stays the same. Keep no mutable reference
    // across a sort: a write through it would not be counted.
    size_t Count() const { return tracks_.size(); }
    TrackRecord& Track(size_t index)
    {
        NoteChange();
        return *tracks_[index];
    }
    const TrackRecord& Track(size_t index) const { return *tracks_[index]; }
    // The display order itself, for sorting in place (same records, new order).
    TrackRecord** Order()
    {
        NoteChange();
        return tracks_.data();
    }
    TrackRecord* const* Order() const { return tracks_.data(); }
    uint32_t ChangeCount() const { return changes_.load(std::memory_order_relaxed); }
    void NoteChange()
    {
        NameLoadedRecords();  // before the caller changes a loaded record
        changes_.fetch_add(1, std::memory_order_relaxed);
    }

    // Copies the record into a new record the store owns, adds its artist
    // and album to the name lists, clears its `missing` bit, computes its
    // file type text and appends it. Returns the stored record. Callers
    // that append many records may pass their own type lookup.
    TrackRecord& AppendTrack(const TrackRecord& record, FileTypeLookup* types = nullptr);
    // Frees the record; later tracks move down one place. The name lists
    // keep their entries.
    void RemoveTrack(size_t index);
    // Frees the records at `indexes` (any order; repeats and indexes past
    // the end are ignored) in one pass; the others keep their order. The
    // number removed.
    size_t RemoveTracks(const std::vector<size_t>& indexes);
    // Index of the first track whose path equals `path` ignoring case, -1
    // when none.
    int FindTrackByPath(const char* path) const;

    // --- genres and names ---
    GenreList& Genres()
    {
        NoteChange();
        return genres_;
    }
    const GenreList& Genres() const { return genres_; }
    // False until the first load: saving then writes no genre list and does
    // not normalise genre ids.
    bool HasGenreList() const { return hasGenres_; }
    // Distinct non-empty artists / distinct albums (the empty one included),
    // byte-exact, in order of first appearance; they only grow until the
    // collection is cleared.
    const std::vector<std::string>& ArtistNames() const
    {
        NameLoadedRecords();
        return artists_.Names();
    }
    const std::vector<std::string>& AlbumNames() const
    {
        NameLoadedRecords();
        return albums_.Names();
    }
    // Adds an edited record's artist and album to the name lists when they
    // are missing (the same rules as AppendTrack).
    void AddNamesOf(const TrackRecord& track);

    // --- the collection file ---
    // The path the store was last loaded from (empty before the first load).
    const std::string& ActivePath() const { return activePath_; }

    // Replaces the contents by the collection file at `path` (cut to 259
    // characters) and its genre list; ActivePath() becomes `path`. "Undo
    // Any Editing" is exactly this. A missing file gives an empty
    // collection, a missing genre list an empty one. A file that is there
    // but could not be read whole, or is too large, gives an empty
    // collection too, and the store then refuses to save over that file
    // until the next load: the user's data in it is never replaced by what
    // the store holds.
    LoadResult LoadCollection(const std::string& path);
    // Writes the records (their genre ids normalised first) to the
    // collection file at `path` and the genre list beside it, each through
    // a temporary file that replaces it only once complete, with the saves
    // of other programs and threads to the same collection kept apart:
    // whatever fails, each file on disk is one whole version. Refused
    // (NotLoaded) for the file the last load could not read. The store is
    // unchanged either way; ActivePath() stays.
    SaveResult SaveCollection(const std::string& path);
    // Frees every record and empties both name lists; the genre list stays.
    // Nothing is written.
    void ClearCollection();

    // For the tests of save safety only: the next saves stop after
    // `records` records of the collection file were written, failing as a
    // full disk would, or with `endProcess` ending the process as a kill
    // would; a negative value ends that.
    void SimulateWriteFailureAfter(long records, bool endProcess = false)
    {
        failAfterRecords_ = records;
        endProcessAtFailure_ = endProcess;
    }

private:
    LoadOutcome ReadRecords(TrackFileReader& reader);
    // The name lists are filled from the loaded records when first needed
    // (most runs of vuvtool never need them): until then the first
    // `unnamed_` tracks are the loaded records in file order, unchanged,
    // since every change (NoteChange) names them first.
    void NameLoadedRecords() const
    {
        if (unnamed_.load(std::memory_order_acquire) != 0)
            NameLoadedRecordsNow();
    }
    void NameLoadedRecordsNow() const;
    bool WriteRecordsTo(FileHandle& file);

    RecordPool pool_;
    std::vector<TrackRecord*> tracks_;
    std::string activePath_;
    GenreList genres_;
    bool hasGenres_ = false;
    mutable NameList artists_;
    mutable NameList albums_;
    mutable std::atomic<size_t> unnamed_{0};
    mutable std::mutex namingLock_;  // the arrange pass changes records on its worker thread
    bool keepActiveFile_ = false;  // the last load could not read activePath_
    long failAfterRecords_ = -1;
    bool endProcessAtFailure_ = false;
    std::vector<TrackRecord> ioBuffer_;  // reused by every write of the file
    // Atomic: the arrange pass changes records on its worker thread.
    std::atomic<uint32_t> changes_{0};
};

CollectionStore& TheCollectionStore();

}  // namespace vuv
