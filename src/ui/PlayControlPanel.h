// The play control panel below the splitter line: the player buttons, the
// play position and volume bars drawn on the backdrop, and the queue view
// (control 1014). It holds no play logic: buttons set the player link's
// flags or run play commands, and `Tick` shows the flags' states.
//
// User-interface thread only.
#pragma once

#include "player/PlayQueue.h"
#include "ui/ButtonBar.h"
#include "ui/WindowSkin.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace vuv {

// Tells the user of a queue file that the player kept in use; other results
// say nothing (a player that could not be started has been told of).
void ReportQueueResult(const QueueResult& result);

class PlayControlPanel {
public:
    // Creates the buttons (on `bar`) and sets up the queue view; `splitter`
    // is the main window's splitter line. `locked`: the collection starts
    // locked (the lock button latched). The buttons and menus play through
    // `context`, which outlives the panel.
    void Create(HWND window, HINSTANCE instance, ButtonBar& bar, const WindowSkin& skin, int splitter,
                bool locked, PlayContext& context);
    // Once per timer tick: latch the buttons by the player's flags, redraw the bars.
    void Tick();
    // Draws both bars into `dc`, or into the window's own DC when null.
    void PositionAndVolume(HDC dc);
    // The main window's left-button messages (client coordinates).
    void MouseDown(POINT point);
    void MouseMove(POINT point);
    void MouseUp();
    // Rebuilds the queue view's lines from the player's state and queues.
    void FillQueueView();
    void DrawQueueLine(const DRAWITEMSTRUCT& item);
    void QueueMenu(POINT screenPoint);
    // The queue view's hover tip: the playing line shows the playing track's
    // information text; other lines show none.
    void QueueTip(NMLVGETINFOTIPA& tip) const;
    // The commands of the queue view's menus; false for any other id.
    bool Command(int id);
    // Keeps the lock button at the right edge for a client `width`.
    void PlaceLock(int width);

    bool Locked() const;
    // Called when the lock button toggles, with the new locked state.
    std::function<void(bool locked)> onLockChanged;
    // The Selective button: runs selective play and says whether it is in
    // force afterwards, which latches the button.
    std::function<bool()> onSelectivePlay;
    // A menu about to open (menu 130): "Playlist Creator" greyed while the
    // playlist program is not installed.
    void PrepareMenu(HMENU menu) const;

private:
    void SetLatch(BitmapButton* button, bool on);

    HWND window_ = nullptr;
    HINSTANCE instance_ = nullptr;
    PlayContext* context_ = nullptr;
    ButtonBar* bar_ = nullptr;
    const WindowSkin* skin_ = nullptr;
    HWND queue_ = nullptr;
    struct QueueLine {
        int kind;
        std::string text;
    };
    std::vector<QueueLine> queueLines_;  // item i of the queue view
    int splitter_ = 0;
    BitmapButton* pause_ = nullptr;
    BitmapButton* play_ = nullptr;
    BitmapButton* random_ = nullptr;
    BitmapButton* mute_ = nullptr;
    BitmapButton* lock_ = nullptr;
    BitmapButton* selective_ = nullptr;
    bool draggingPosition_ = false;
    bool draggingVolume_ = false;
    int draggedPercent_ = -1;  // -1 while the bar follows the player
    int volume_ = 100;
    DWORD lastSeek_ = 0;
    bool seeking_ = false;
};

}  // namespace vuv
