// The "Selective Play" dialog (resource 121): four pages on a tab control
// ("Artist", "Genre", "Preference", "Year") that edit the selective play
// criteria, Save and Load of ".dps" presets, "OK" and "No Selective Play".
//
// User-interface thread only.
#pragma once

#include "selection/SelectionIndex.h"
#include "selection/SelectiveCriteria.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vuv {

class CollectionHost;
class CollectionStore;

// "OK": applies the criteria (writes them and saves the collection); true
// when the dialog may close, false when it stays open (the user has been
// told why).
using ApplyCriteria = std::function<bool(const SelectiveCriteria& criteria)>;

// Runs the dialog over `owner` on the artist and genre names of the
// collection, showing the criteria file's criteria first. True when the
// criteria were applied ("OK" or "No Selective Play"), false on "Cancel".
bool RunSelectivePlayDialog(HWND owner, HINSTANCE instance, const std::vector<std::string>& artists,
                            const std::vector<std::string>& genres, const std::string& criteriaFile,
                            const ApplyCriteria& apply);

// The dialog as the main window (`owner`) opens it, on the collection of
// `host` and the selection files; "OK" saves through `host`, criteria that
// let no track through are refused with kExcludesAllTracksMessage, and
// afterwards the window's title is set anew. Whether selective play is in
// force then (the selection index holds a position).
bool RunSelectivePlay(HWND owner, HINSTANCE instance, CollectionHost& host, const SelectionFiles& files);

// After selective play came into force: the collection sorted once by the
// status key so that the tracks that pass come first; the program's sort
// direction becomes ascending, its sort key stays.
void SortPassingTracksFirst(CollectionStore& store);

}  // namespace vuv
