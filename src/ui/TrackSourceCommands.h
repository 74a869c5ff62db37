// The commands that add music to the collection, as the main window routes
// them: "Add Music" and its menu (a folder, picked files, playlist entries,
// a playlist as one item), files dropped on the window, "Paste Shortcut"
// (the clipboard's file list), the sibling programs' hand-off file, and
// the two dialogs of the menu's end ("New Track Preferences", "New Track
// Lookout"). Each source builds a path list and runs AddTracks with the
// "Adding Tracks" window; the main window is disabled meanwhile, so that
// nothing else changes the collection and no second add starts.
//
// User-interface thread only.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace vuv {

class CollectionHost;
class NamedEvent;
class TrackList;
struct PlayContext;

// The main window as the track sources use it: the window, its track list,
// its load and save of the collection and its play context.
struct IntakeWindow {
    HWND window = nullptr;
    TrackList* list = nullptr;
    HINSTANCE instance = nullptr;
    CollectionHost* collection = nullptr;
    PlayContext* play = nullptr;
};

// Carries out command `id` when it is one of the add-music menu's commands
// or "Paste Shortcut"; false for any other command.
bool RunIntakeCommand(const IntakeWindow& window, int id);

// Files dropped on the main window: their paths as given (folders,
// playlists and unsupported files are not expanded); releases the drop.
void AddDropped(const IntakeWindow& window, HDROP drop);

// The timer's step for "evtTbFileToAdd": when it is set, gathers the burst
// of hand-offs (a 100 ms poll until the event has stayed unset for 2 s, the
// window staying responsive), then takes in the hand-off file as soon as
// the main window is free (no add and no modal dialog running).
void WatchHandOff(const IntakeWindow& window, NamedEvent& fileToAdd);

// True while an add runs: the main window's timer keeps its close request
// for later meanwhile.
bool IntakeRunning();

}  // namespace vuv
