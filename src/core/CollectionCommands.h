// The collection menu's commands as operations on a path the user already
// chose: the file dialogs belong to the user interface, which calls these
// after the dialog was confirmed (and remembers the dialog's folder).
// Questions go through UserMessages.
#pragma once

#include <cstddef>
#include <string>

namespace vuv {

class CollectionStore;

// The program's own load and save of the collection, which the commands
// switch collections with. Beyond the store's LoadCollection and
// SaveCollection they keep in step what follows the collection: the
// selection index, the player link and what the user sees (the window's
// list and title, or vuvtool's messages). The window and vuvtool each have
// one; the commands never reach these through a global.
class CollectionHost {
public:
    virtual ~CollectionHost() = default;
    virtual CollectionStore& Store() = 0;
    // Loads the collection file at `path`, which becomes the active one.
    virtual void Load(const std::string& path) = 0;
    // Saves the store to `path`, sorted by artist first when `sortFirst`.
    // False when the file was not written (the user has been told).
    virtual bool Save(const std::string& path, bool sortFirst) = 0;
};

// "New": adds ".mcc" to a name without extension, asks before overwriting
// an existing file, saves the current collection (sorted), makes the new
// path the active one (also for the next start), deletes the file there and
// loads the resulting empty collection. False when the user declined to
// overwrite.
bool NewCollection(CollectionHost& host, const std::string& chosenPath);

// "Save As..": as New up to the question; then saves the current collection
// (sorted) to its file, saves the same tracks to the new path, makes it the
// active one and loads it. False when the user declined to overwrite.
bool SaveCollectionAs(CollectionHost& host, const std::string& chosenPath);

// "Load": saves the current collection (sorted), makes the chosen path the
// active one and loads it.
void LoadCollectionFromFile(CollectionHost& host, const std::string& chosenPath);

// "Clear All Tracks": asks, and on Yes empties the store (nothing written).
// Whether it was cleared.
bool ClearAllTracks(CollectionStore& store);

struct CombineResult {
    bool opened = false;      // false: the file could not be read (no message)
    bool tooLarge = false;    // together beyond kMaxCollectionTracks: nothing added
    size_t firstAdded = 0;    // index of the first added track
    size_t added = 0;         // tracks appended at the end, in file order
    size_t genresLeftOut = 0; // genre names not added: every genre id is taken
};

// "Combine": merges the other collection's genre names into the active
// genre list, and appends each of its tracks whose path (ignoring case) is
// not yet in the store, with its genre ids translated by name (ids of names
// left out become 0). Nothing is written; the window then selects exactly
// the added tracks and tells of what was refused or left out
// (CombineRefusalText).
CombineResult CombineCollection(CollectionStore& store, const std::string& chosenPath);

// The message for a combine that was refused or left genres out; empty
// when there is nothing to tell.
std::string CombineRefusalText(const CombineResult& result, const std::string& chosenPath);

// The path as New and Save As use it: ".mcc" appended when it has no
// extension.
std::string CollectionPathWithExtension(const std::string& chosenPath);

}  // namespace vuv
