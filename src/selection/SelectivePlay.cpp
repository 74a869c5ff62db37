#include "selection/SelectivePlay.h"

#include "core/CollectionStore.h"
#include "platform/FileHandle.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"

namespace vuv {

void SetPresetName(const std::string& path)
{
    const std::string name = path.empty() ? std::string() : BaseNameOf(path);
    SetText(name.c_str(), kSelectivePlayPresetSetting);
}

std::string SelectivePlayTitle()
{
    const std::string name = GetText(kSelectivePlayPresetSetting);
    return name.empty() ? std::string("Selective Play") : "Selective Play '" + name + "'";
}

// The collection is saved in its current order: applying criteria must not
// re-sort the list the user is looking at.
bool ApplySelectivePlay(CollectionStore& store, const SelectiveCriteria& criteria)
{
    const std::string criteriaFile = GetUserFile(kCriteriaSuffix, false);
    WriteCriteria(criteriaFile, criteria);
    store.SaveCollection(false);
    const std::string indexFile = GetUserFile(kSelectionIndexSuffix, false);
    bool indexMissing = false;
    const uint64_t indexSize = FileSize(indexFile, &indexMissing);
    if (!indexMissing && indexSize == 0 && FileSize(criteriaFile) != 0) {
        ShowMessage(kExcludesAllTracksMessage, kProgramTitle, MessageButtons::Ok,
                    MessageIcon::Information);
        return false;
    }
    return true;
}

bool ClearSelectivePlay(CollectionStore& store)
{
    SetPresetName(std::string());
    return ApplySelectivePlay(store, SelectiveCriteria());
}

}  // namespace vuv
