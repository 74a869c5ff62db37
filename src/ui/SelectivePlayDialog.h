// The "Selective Play" dialog (resource 121): four pages on a tab control
// ("Artist", "Genre", "Preference", "Year") that edit the selective play
// criteria, Save and Load of ".dps" presets, "OK" and "No Selective Play".
//
// User-interface thread only.
#pragma once

#include "selection/SelectiveCriteria.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vuv {

// "OK": applies the criteria (writes them and saves the collection); true
// when the dialog may close, false when it stays open (the user has been
// told why).
using ApplyCriteria = std::function<bool(const SelectiveCriteria& criteria)>;

// Runs the dialog over `owner` on the artist and genre names of the
// collection, reading the active criteria file first. True when the
// criteria were applied ("OK" or "No Selective Play"), false on "Cancel".
bool RunSelectivePlayDialog(HWND owner, HINSTANCE instance, const std::vector<std::string>& artists,
                            const std::vector<std::string>& genres, const ApplyCriteria& apply);

// The dialog on the active collection and its criteria file, as the main
// window opens it; afterwards the window title is refreshed. Whether
// selective play is in force then (the selection index holds a position).
bool RunSelectivePlay(HWND owner, HINSTANCE instance);

// After selective play came into force: the collection sorted once by the
// status key, ascending, so that the tracks that pass come first (the sort
// key goes back, the direction stays ascending).
void SortPassingTracksFirst();

}  // namespace vuv
