// The editor's main window: dialog 101, run modally; its end ends the
// program. It lays out the track list, the search field, the top button bar
// and the play control panel over the skin's backdrop, polls the player
// every 250 ms, routes every menu command and saves its placement, the
// collection and the list settings when it closes.
//
// User-interface thread only; one window per process.
#pragma once

#include "player/PlayQueue.h"

#include <windows.h>

#include <vector>

namespace vuv {

struct MainWindowOptions {
    bool selectiveMode = false;  // placement neither restored nor stored
    // What the play commands work on; outlives the window. Its collection
    // file follows the collection the window loads.
    PlayContext* play = nullptr;
};

// Runs the main window until it ends; the dialog's result.
INT_PTR RunMainWindow(HINSTANCE instance, const MainWindowOptions& options);

// The running window (null when none); for the parts that refresh it.
HWND MainWindowHandle();
void RefreshStatus();

// The command ids the window routes to a handler (menu and control
// commands), in routing order.
std::vector<int> RoutedCommandIds();

}  // namespace vuv
