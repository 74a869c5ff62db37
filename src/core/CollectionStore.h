// The active Music Collection in memory: the one owner of every TrackRecord
// of the collection, of its genre list and of the artist and album name
// lists, and the link between memory and the collection file.
//
// Row i of the track list is record i of the store (display order, which is
// also the file order). Indexes change when the store is sorted or a track
// is removed. There is exactly one store (TheCollectionStore); it has no
// lock and is used on the user-interface thread, except by the arrange pass
// while that pass owns it.
#pragma once

#include "core/FileTypeNames.h"
#include "core/GenreList.h"
#include "core/NameList.h"
#include "core/RecordPool.h"
#include "core/TrackRecord.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vuv {

// Setting names of the collection store.
constexpr const char* kActiveCollectionSetting = "ActiveMusicCollection";
constexpr const char* kCollectionFolderSetting = "LastAccessedFolderVUV";
constexpr const char* kLastFolderSetting = "LastAccessedFolder";

// What loading needs from the player link: its pending track-played report
// is dropped, and the playing track is selected when it is in the collection.
class CollectionPlayerLink {
public:
    virtual ~CollectionPlayerLink() = default;
    virtual void ClearPendingPlayedReport() {}
    virtual std::string PlayingPath() { return std::string(); }
};

// The active collection path: the run's override when one is set, else the
// "ActiveMusicCollection" setting, else the per-user default collection
// (install folder of the executable + user name + ".mcc").
std::string ActiveCollectionPath();
// Uses `path` as the active collection for the rest of the run without
// writing the setting (vuvtool's --collection); empty removes the override.
void SetActiveCollectionOverride(const std::string& path);
// Makes `path` the active collection: writes "ActiveMusicCollection" (and
// moves the run's override there too, when one is set).
void SetActiveCollection(const std::string& path);

class CollectionStore {
public:
    CollectionStore() = default;
    CollectionStore(const CollectionStore&) = delete;
    CollectionStore& operator=(const CollectionStore&) = delete;

    // --- records, in display order ---
    size_t Count() const { return tracks_.size(); }
    TrackRecord& Track(size_t index) { return *tracks_[index]; }
    const TrackRecord& Track(size_t index) const { return *tracks_[index]; }
    // The display order itself, for sorting in place (same records, new order).
    TrackRecord** Order() { return tracks_.data(); }
    TrackRecord* const* Order() const { return tracks_.data(); }

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
    GenreList& Genres() { return genres_; }
    const GenreList& Genres() const { return genres_; }
    // False until the first load: saving then writes no genre list and does
    // not normalise genre ids.
    bool HasGenreList() const { return hasGenres_; }
    // Distinct non-empty artists / distinct albums (the empty one included),
    // byte-exact, in order of first appearance; they only grow until the
    // collection is cleared.
    const std::vector<std::string>& ArtistNames() const { return artists_.Names(); }
    const std::vector<std::string>& AlbumNames() const { return albums_.Names(); }

    // --- the collection file ---
    // The path the store was last loaded from (empty before the first load).
    const std::string& ActivePath() const { return activePath_; }

    // Replaces the contents by the active collection file ("Undo Any
    // Editing" is exactly this). A file that cannot be opened gives an empty
    // collection without a message.
    void LoadCollection();
    // Writes the records (after sorting them by artist when `sortFirst`) and
    // the genre list, then rebuilds the selection index. The previous file
    // stays whole until the new one is completely written. False when the
    // user gave up after a failure (the store is unchanged either way).
    bool SaveCollection(bool sortFirst);
    // Frees every record and empties both name lists; the genre list stays.
    // Nothing is written.
    void ClearCollection();

    // "Tonbrook - Music Collection '<name>'" with " [Selective Play...]"
    // when the selection index holds a position.
    std::string WindowTitle() const;
    // Sets the view's window title to WindowTitle().
    void RefreshWindowTitle() const;
    // Recomputes every `notInSelection` bit from the selection index file.
    void RefreshSelectionMarks();

    void SetPlayerLink(CollectionPlayerLink* link);

    // Makes the next saves fail as a full disk would, after `records`
    // records of a file were written; a negative value ends that. For the
    // tests of save safety only.
    void SimulateWriteFailureAfter(long records) { failAfterRecords_ = records; }

private:
    bool WriteRecordsTo(const std::string& path);
    bool WriteCollectionFile(const std::string& path);

    RecordPool pool_;
    std::vector<TrackRecord*> tracks_;
    std::string activePath_;
    GenreList genres_;
    bool hasGenres_ = false;
    NameList artists_;
    NameList albums_;
    CollectionPlayerLink* playerLink_ = nullptr;
    long failAfterRecords_ = -1;
    std::vector<TrackRecord> ioBuffer_;  // reused by every read and write of the file
};

CollectionStore& TheCollectionStore();

}  // namespace vuv
