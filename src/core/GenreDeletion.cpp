#include "core/GenreDeletion.h"

#include "core/CollectionStore.h"

namespace vuv {

void DeleteGenreFromCollection(CollectionStore& store, uint16_t id)
{
    for (size_t i = 0; i < store.Count(); ++i) {
        for (uint16_t& slot : store.Track(i).genreIds) {
            if (slot == id) {
                slot = 0;
                break;
            }
        }
    }
    store.Genres().Remove(id);
}

}  // namespace vuv
