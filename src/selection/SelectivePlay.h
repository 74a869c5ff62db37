// The selective play dialog's logic, without its window: the preset name,
// the dialog title, and what "OK" and "No Selective Play" do with the
// criteria the dialog holds. The dialog itself comes with the user
// interface.
#pragma once

#include "selection/SelectiveCriteria.h"

#include <string>

namespace vuv {

class CollectionStore;

constexpr const char* kSelectivePlayPresetSetting = "EditorSelectivePlay";
constexpr const char* kExcludesAllTracksMessage = "Selective play settings exclude all tracks.";

// Stores the file name of `path` without folder and extension as the preset
// name (empty path: empty name). The dialog then shows SelectivePlayTitle().
void SetPresetName(const std::string& path);
// "Selective Play", and " '<preset>'" when a preset name is stored.
std::string SelectivePlayTitle();

// "OK": writes the criteria to the active criteria file, saves the
// collection (which rebuilds the selection index). False, after telling the
// user, when the criteria let no track through: the dialog stays open (the
// criteria file has been written all the same).
bool ApplySelectivePlay(CollectionStore& store, const SelectiveCriteria& criteria);
// "No Selective Play": every artist ticked, every genre included, no stars,
// no years, no preset name; then as "OK".
bool ClearSelectivePlay(CollectionStore& store);

}  // namespace vuv
