#include "ui/CollectionSaving.h"

#include "core/CollectionStore.h"
#include "platform/UserMessages.h"

namespace vuv {

bool SaveCollectionAsking(CollectionStore& store, const std::string& path, const SelectionFiles& files)
{
    bool saved = false;
    for (;;) {
        if (store.SaveCollection(path)) {
            saved = true;
            break;
        }
        if (ShowMessage("Error saving '" + path + "'.", kSaveErrorTitle, MessageButtons::RetryCancel,
                        MessageIcon::Error) != MessageAnswer::Retry)
            break;
    }
    RefreshSelectionAfterSave(store, path, files);
    return saved;
}

}  // namespace vuv
