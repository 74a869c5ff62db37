#include "selection/SelectivePlay.h"

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/Settings.h"

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

std::string SelectivePlayMark(const std::string& indexPath)
{
    if (!SelectionIndexHasEntries(indexPath))
        return std::string();
    const std::string preset = GetText(kSelectivePlayPresetSetting);
    return preset.empty() ? std::string(" [Selective Play]") : " [Selective Play: " + preset + "]";
}

std::string CollectionWindowTitle(const std::string& collectionPath, const std::string& indexPath)
{
    return "Tonbrook - Music Collection '" + BaseNameOf(collectionPath) + "'" +
           SelectivePlayMark(indexPath);
}

// The collection is saved in its current order: applying criteria must not
// re-sort the list the user is looking at.
SelectiveResult ApplySelectivePlay(CollectionHost& host, const SelectionFiles& files,
                                   const SelectiveCriteria& criteria)
{
    WriteCriteria(files.criteria, criteria);
    if (!host.Save(host.Store().ActivePath(), false))
        return SelectiveResult::NotSaved;
    bool indexMissing = false;
    const uint64_t indexSize = FileSize(files.index, &indexMissing);
    if (!indexMissing && indexSize == 0 && FileSize(files.criteria) != 0)
        return SelectiveResult::ExcludesAllTracks;
    return SelectiveResult::Applied;
}

SelectiveResult ClearSelectivePlay(CollectionHost& host, const SelectionFiles& files)
{
    SetPresetName(std::string());
    return ApplySelectivePlay(host, files, SelectiveCriteria());
}

}  // namespace vuv
