// The selective play dialog's logic, without its window: the preset name,
// the dialog title, the selective play mark of the window title, and what
// "OK" and "No Selective Play" do with the criteria the dialog holds. The
// dialog itself comes with the user interface.
#pragma once

#include "selection/SelectionIndex.h"
#include "selection/SelectiveCriteria.h"

#include <string>

namespace vuv {

class CollectionHost;

constexpr const char* kSelectivePlayPresetSetting = "EditorSelectivePlay";
constexpr const char* kExcludesAllTracksMessage = "Selective play settings exclude all tracks.";

// Stores the file name of `path` without folder and extension as the preset
// name (empty path: empty name). The dialog then shows SelectivePlayTitle().
void SetPresetName(const std::string& path);
// "Selective Play", and " '<preset>'" when a preset name is stored.
std::string SelectivePlayTitle();

// " [Selective Play]", or " [Selective Play: <preset>]" with a stored
// preset name, when the selection index file holds a position; otherwise
// empty. The window title and the queue view's random play line end so.
std::string SelectivePlayMark(const std::string& indexPath);
// "Tonbrook - Music Collection '<name>'" (the collection's file name
// without folder and extension) and the selective play mark: the main
// window's title after every load and change of the selective play state.
std::string CollectionWindowTitle(const std::string& collectionPath, const std::string& indexPath);

enum class SelectiveResult {
    Applied,
    // The criteria let no track through: the dialog tells the user
    // kExcludesAllTracksMessage and stays open.
    ExcludesAllTracks,
    // The collection was not saved (the host has told the user).
    NotSaved,
};

// "OK": writes the criteria to the criteria file, then saves the collection
// in its current order through `host` (whose save rebuilds the selection
// index). The criteria file is written whatever the result.
SelectiveResult ApplySelectivePlay(CollectionHost& host, const SelectionFiles& files,
                                   const SelectiveCriteria& criteria);
// "No Selective Play": every artist ticked, every genre included, no stars,
// no years, no preset name; then as "OK".
SelectiveResult ClearSelectivePlay(CollectionHost& host, const SelectionFiles& files);

}  // namespace vuv
