// Deleting a genre from the active collection ("Delete a Genre" of the
// properties dialog): the genre leaves the genre list and the tracks.
#pragma once

#include <cstdint>

namespace vuv {

class CollectionStore;

// In every track, the first slot that holds `id` becomes 0 (the other slots
// do not move); then the genre list's record of `id` is removed. Nothing is
// written: the caller saves the collection.
void DeleteGenreFromCollection(CollectionStore& store, uint16_t id);

}  // namespace vuv
