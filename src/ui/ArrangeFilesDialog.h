// "Arrange Files" of the collection menu: the "Arrange Files" dialog (127)
// asks for the root folder and the pattern, the arrange pass runs on its
// worker thread while "Arranging Music Collection" (128) shows its progress,
// and the collection is saved when the pass has ended.
#pragma once

#include <windows.h>

namespace vuv {

class ArrangeSession;
class CollectionHost;

// Runs the command over the main window on the store of `collection`,
// which then saves it. `running` points at the pass's session from its
// start until its moves are in the store (the main window's timer hands it
// the player's play-count reports meanwhile), and is null again when the
// command returns.
void ArrangeFiles(HWND owner, HINSTANCE instance, ArrangeSession*& running, CollectionHost& collection);

}  // namespace vuv
