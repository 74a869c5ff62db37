// What the collection logic needs from the main window's track list and
// frame, without a window: the list implements it, vuvtool and the tests
// use the do-nothing default. Row i of the list is record i of the store;
// indexes are 0-based, -1 means none. Called on the user-interface thread,
// and by SaveCollection (Repaint, ShowBusy) on the arrange pass's worker
// thread while that pass owns the store: an implementation must accept
// those two calls from another thread (post them to its window).
#pragma once

#include <cstddef>
#include <string>

namespace vuv {

class TrackListView {
public:
    virtual ~TrackListView() = default;

    // The list's item count, set after every change of the track count.
    virtual void SetItemCount(size_t /*count*/) {}
    virtual void Repaint() {}
    virtual int FocusedIndex() const { return -1; }
    virtual int FirstSelectedIndex() const { return -1; }
    // Makes the row the only selected and the focused one, scrolled into view.
    virtual void SelectOnly(int /*index*/) {}
    // Adds the row to the selection, focus unchanged.
    virtual void AddToSelection(int /*index*/) {}

    // The main window's frame.
    virtual void SetWindowTitle(const std::string& /*title*/) {}
    virtual void RefreshStatusLine() {}
    // The hourglass cursor around commands that walk the whole collection.
    virtual void ShowBusy(bool /*busy*/) {}
};

// The view the logic talks to; a do-nothing view until one is set. The
// view is not owned; pass null to go back to the do-nothing view.
void SetTrackListView(TrackListView* view);
TrackListView& TheTrackListView();

// Shows the hourglass for its lifetime. Scopes nest (a load clears the
// store first): only the outermost one switches the hourglass on and off.
class BusyScope {
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

}  // namespace vuv
