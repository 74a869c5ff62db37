// The collection menu's commands as operations on a path the user already
// chose: the file dialogs belong to the user interface, which calls these
// after the dialog was confirmed. Questions go through UserMessages.
#pragma once

#include <cstddef>
#include <string>

namespace vuv {

// "New": remembers the folder, adds ".mcc" to a name without extension,
// asks before overwriting an existing file, saves the current collection
// (sorted), makes the new path active, deletes the file there and loads the
// resulting empty collection. False when the user declined to overwrite.
bool NewCollection(const std::string& chosenPath);

// "Save As..": as New up to the question; then saves the current collection
// (sorted) to its file, makes the new path active, saves the same tracks
// there and loads it. False when the user declined to overwrite.
bool SaveCollectionAs(const std::string& chosenPath);

// "Load": remembers the folder, saves the current collection (sorted), makes
// the chosen path active and loads it.
void LoadCollectionFromFile(const std::string& chosenPath);

// "Clear All Tracks": asks, and on Yes empties the store (nothing written).
// Whether it was cleared.
bool ClearAllTracks();

// "Undo Any Editing": reloads the active collection file.
void UndoAnyEditing();

struct CombineResult {
    bool opened = false;  // false: the file could not be read (no message)
    size_t added = 0;     // tracks appended at the end, in file order
};

// "Combine": remembers the folder in "LastAccessedFolder", merges the other
// collection's genre names into the active genre list, and appends each of
// its tracks whose path (ignoring case) is not yet in the store, with its
// genre ids translated by name. Exactly the added tracks end up selected.
// Nothing is written.
CombineResult CombineCollection(const std::string& chosenPath);

// The path as New and Save As use it: ".mcc" appended when it has no
// extension.
std::string CollectionPathWithExtension(const std::string& chosenPath);

}  // namespace vuv
