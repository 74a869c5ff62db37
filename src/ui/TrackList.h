// The main window's track list (control 1008): an owner-data, owner-drawn
// report list view that keeps no rows of its own. Row i is drawn straight
// from record i of the collection whenever the list asks; each row is
// composed in a reusable off-screen bitmap and copied to the screen in one
// transfer, so that scrolling a large collection neither copies data nor
// flickers.
//
// User-interface thread only.
#pragma once

#include "ui/SkinImage.h"
#include "ui/TrackColumns.h"
#include "ui/WindowSkin.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vuv {

struct TrackRecord;

class TrackList {
public:
    TrackList() = default;
    ~TrackList();
    TrackList(const TrackList&) = delete;
    TrackList& operator=(const TrackList&) = delete;

    // Takes the list control and the window's skin (which outlives it).
    void Attach(HWND list, const WindowSkin* skin);
    HWND Handle() const { return list_; }

    // Inserts the columns of `ColumnOrder` with their saved widths.
    void CreateColumns();
    void DeleteColumns();
    ColumnOrder& Order() { return order_; }
    int ColumnWidthAt(int position) const;

    // --- operations other parts use ---
    // Scrolls row i into view and makes it the only selected and the
    // focused row (and the last focused row).
    void SelectOneRow(int row);
    // The first focused row from the top; -1 when none or no tracks.
    int FocusedRow() const;
    // Counts the selected rows and, with `text`, builds the selection text.
    int SelectionSummary(std::string* text) const;
    // The selected rows from the top (rows past the track count left out).
    std::vector<size_t> SelectedRows() const;
    // The item count becomes the collection's track count.
    void SetItemCount();
    void Invalidate() const;

    // --- notifications, passed on by the main window ---
    void Draw(const DRAWITEMSTRUCT& item);
    void FillInfoTip(NMLVGETINFOTIPA& tip) const;
    // True when the double click was on an editable cell (nothing more
    // happens); false when it should play.
    bool IsEditCellClick(const NMITEMACTIVATE& click) const;
    void OnClick(const NMITEMACTIVATE& click);

    // Window state the rows use.
    bool editingAllowed = true;
    int lastFocusedRow = -1;
    // The playing track's path (read once per drawn row); empty when none.
    std::function<std::string()> playingPath;
    // Tells the player a new volume boost for the playing track.
    std::function<void(int boost)> sendPlayingBoost;
    // The track information text shown as a hover tip.
    std::function<std::string(const TrackRecord&)> trackInfoText;

private:
    enum class Cell { None, Preference, VolumeBoost };
    // The editable cell under a list-client point and that cell's left edge.
    Cell EditCellAt(POINT point, int row, int* cellLeft) const;
    int PositionOf(int columnType) const;
    void DrawMark(HDC dc, const TrackRecord& track, bool playing, int x, int top);
    int FileIconIndex(const char* path);

    HWND list_ = nullptr;
    const WindowSkin* skin_ = nullptr;
    ColumnOrder order_ = DefaultColumnOrder();
    SkinImage rowBuffer_;  // 3000 pixels wide, one row high
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    HIMAGELIST systemIcons_ = nullptr;
    std::unordered_map<std::string, int> iconByExtension_;
};

}  // namespace vuv
