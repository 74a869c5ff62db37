#include "ui/CollectionSaving.h"

#include "core/CollectionStore.h"
#include "platform/UserMessages.h"

namespace vuv {

bool SaveCollectionAsking(CollectionStore& store, const std::string& path, const SelectionFiles& files)
{
    bool saved = false;
    for (;;) {
        const SaveResult result = store.SaveCollection(path);
        if (result) {
            saved = true;
            break;
        }
        if (result.outcome == SaveOutcome::NotLoaded) {
            ShowMessage(CollectionKeptText(result.path), kSaveErrorTitle, MessageButtons::Ok,
                        MessageIcon::Warning);
            break;
        }
        if (ShowMessage("Error saving '" + result.path + "'.", kSaveErrorTitle, MessageButtons::RetryCancel,
                        MessageIcon::Error) != MessageAnswer::Retry)
            break;
    }
    RefreshSelectionAfterSave(store, path, files);
    return saved;
}

}  // namespace vuv
