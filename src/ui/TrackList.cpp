#include "ui/TrackList.h"

#include "core/CollectionStore.h"
#include "core/FileTypeNames.h"
#include "core/PathKey.h"
#include "core/TrackRecord.h"
#include "platform/Paths.h"
#include "ui/TrackCells.h"
#include "ui/TrackListRules.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace vuv {

namespace {

size_t RowCount() { return TheCollectionStore().Count(); }
// For drawing: read-only, so that painting does not count as a change of
// the store.
const TrackRecord& RowTrack(size_t row)
{
    return static_cast<const CollectionStore&>(TheCollectionStore()).Track(row);
}

constexpr int kRowBufferWidth = 3000;
constexpr int kCellFontHeight = 13;

bool EndsWithNoCase(const char* text, const char* suffix)
{
    size_t n = std::strlen(text), m = std::strlen(suffix);
    return n >= m && SamePath(text + n - m, suffix);
}

HFONT CellFont(bool bold)
{
    return CreateFontA(kCellFontHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       "MS Sans Serif");
}

}  // namespace

TrackList::~TrackList()
{
    if (font_)
        DeleteObject(font_);
    if (boldFont_)
        DeleteObject(boldFont_);
}

void TrackList::Attach(HWND list, const WindowSkin* skin)
{
    list_ = list;
    skin_ = skin;
    if (!font_)
        font_ = CellFont(false);
    if (!boldFont_)
        boldFont_ = CellFont(true);
    // The system's small icons, shared with the shell (the list does not
    // own them: the control has the share-image-lists style).
    SHFILEINFOA info{};
    systemIcons_ = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (systemIcons_)
        ListView_SetImageList(list_, systemIcons_, LVSIL_SMALL);
}

void TrackList::CreateColumns()
{
    const int filled = FilledColumnCount(order_);
    for (int p = 0; p < filled; ++p) {
        const int type = order_[p];
        const ColumnTypeInfo& info = ColumnInfo(type);
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = info.rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = LoadColumnWidth(type);
        column.pszText = const_cast<char*>(info.header);
        SendMessageA(list_, LVM_INSERTCOLUMNA, WPARAM(p), reinterpret_cast<LPARAM>(&column));
    }
}

void TrackList::DeleteColumns()
{
    while (ListView_DeleteColumn(list_, 0)) {
    }
}

int TrackList::ColumnWidthAt(int position) const { return ListView_GetColumnWidth(list_, position); }

void TrackList::SelectOneRow(int row)
{
    if (row < 0 || size_t(row) >= RowCount())
        return;
    ListView_EnsureVisible(list_, row, FALSE);
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list_, row);
    lastFocusedRow = row;
}

int TrackList::FocusedRow() const
{
    if (RowCount() == 0)
        return -1;
    return ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
}

int TrackList::SelectionSummary(std::string* text) const
{
    int count = 0;
    uint32_t seconds = 0;
    uint64_t bytes = 0;
    for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list_, row, LVNI_SELECTED)) {
        if (size_t(row) >= RowCount())
            break;
        const TrackRecord& t = RowTrack(size_t(row));
        ++count;
        seconds += t.lengthMs / 1000;
        bytes += t.fileSize;
    }
    if (text)
        *text = SelectionText(count, seconds, bytes);
    return count;
}

std::vector<size_t> TrackList::SelectedRows() const
{
    std::vector<size_t> rows;
    for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0 && size_t(row) < RowCount();
         row = ListView_GetNextItem(list_, row, LVNI_SELECTED))
        rows.push_back(size_t(row));
    return rows;
}

void TrackList::SetItemCount()
{
    ListView_SetItemCountEx(list_, int(RowCount()), LVSICF_NOSCROLL);
}

void TrackList::Invalidate() const { InvalidateRect(list_, nullptr, FALSE); }

int TrackList::FileIconIndex(const char* path)
{
    // By extension: the shell gives every file of a type the same icon, so
    // one lookup per type serves the whole collection (and never touches
    // the disk).
    const std::string key = FoldedPath(ExtensionOf(path));
    auto found = iconByExtension_.find(key);
    if (found != iconByExtension_.end())
        return found->second;
    SHFILEINFOA info{};
    int index = -1;
    if (SHGetFileInfoA(path, FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES))
        index = info.iIcon;
    iconByExtension_[key] = index;
    return index;
}

void TrackList::DrawMark(HDC dc, const TrackRecord& t, bool playing, int x, int top)
{
    if (playing) {
        skin_->playing.Draw(dc, x + 4, top + 4);
        return;
    }
    if (t.flags & kFlagMissing) {
        skin_->missingMark.Draw(dc, x + 2, top + 2);
        return;
    }
    if (t.flags & kFlagNotInSelection) {
        skin_->excludedMark.Draw(dc, x + 2, top + 2);
        return;
    }
    const uint32_t highlights[4] = {kFlagHighlight1, kFlagHighlight2, kFlagHighlight3, kFlagHighlight4};
    for (int i = 0; i < 4; ++i)
        if (t.flags & highlights[i]) {
            skin_->highlightMarks[i].Draw(dc, x + 2, top + 2);
            return;
        }
    if (t.flags & kFlagNew) {
        skin_->newMark.Draw(dc, x + 2, top + 4);
        return;
    }
    int icon = systemIcons_ ? FileIconIndex(t.path) : -1;
    if (icon >= 0)
        ImageList_Draw(systemIcons_, icon, dc, x + 2, top + 2, ILD_TRANSPARENT);
}

void TrackList::Draw(const DRAWITEMSTRUCT& item)
{
    if (item.itemID >= RowCount() || !skin_)
        return;
    const RECT& rc = item.rcItem;
    const int height = rc.bottom - rc.top;
    if (height <= 0)
        return;
    if (rowBuffer_.Empty() || rowBuffer_.Height() != height)
        rowBuffer_.CreateBlank(kRowBufferWidth, height);
    HDC dc = rowBuffer_.Dc();
    const TrackRecord& t = RowTrack(item.itemID);
    const SkinColours& colours = skin_->colours;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;

    COLORREF background = colours.listBackground, text = colours.listText;
    if (selected) {
        background = colours.selectedBackground;
        text = colours.selectedText;
    } else {
        if (EndsWithNoCase(t.path, ".M3U") || EndsWithNoCase(t.path, ".PLS"))
            text = colours.playlistText;
        if (t.flags & kFlagNotInSelection)
            text = colours.notInSelectionText;
    }
    // The widths of the filled positions, read once per row; the row as
    // wide as its columns (the item rectangle may only cover the visible
    // part), cut at the buffer's width.
    const int filled = FilledColumnCount(order_);
    int widths[kSortKeyCount] = {};
    int columnsWidth = 0;
    for (int p = 0; p < filled; ++p)
        columnsWidth += widths[p] = ListView_GetColumnWidth(list_, p);
    const int rowWidth = std::min(std::max(columnsWidth, int(rc.right - rc.left)), kRowBufferWidth);
    RECT whole{0, 0, rowWidth, height};
    SetBkColor(dc, background);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &whole, nullptr, 0, nullptr);

    const std::string playingPath = this->playingPath ? this->playingPath() : std::string();
    const bool playing = !playingPath.empty() && SamePath(playingPath.c_str(), t.path);
    HGDIOBJ oldFont = SelectObject(dc, playing ? boldFont_ : font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    auto measure = [dc](const std::string& s) {
        SIZE size{};
        GetTextExtentPoint32A(dc, s.c_str(), int(s.size()), &size);
        return int(size.cx);
    };

    RECT client{};
    GetClientRect(list_, &client);
    const int visibleLeft = -rc.left, visibleRight = visibleLeft + client.right;
    for (int p = 0, x = 0; p < filled && x < rowWidth; ++p) {
        const int type = order_[p];
        const int w = widths[p];
        if (x + w <= visibleLeft || x >= visibleRight) {
            x += w;
            continue;
        }
        // Each cell draws only inside itself: text is clipped to the cell,
        // images are cut at its right edge.
        const RECT cellRect{x, 0, x + w, height};
        switch (type) {
        case kSortStatus:
            DrawMark(dc, t, playing, x, 0);
            break;
        case kSortPreference: {
            skin_->preferenceOff.Draw(dc, x, 2);
            const int part = skin_->preference.Width() * (t.preference + 1) / 10;
            skin_->preference.DrawPart(dc, x, 2, part);
            if (editingAllowed && focused)
                skin_->preferencePointer.Draw(dc, x + part - skin_->preferencePointer.Width() / 2, 1);
            break;
        }
        case kSortVolumeBoost:
            skin_->boostBar.Draw(dc, x + 13, 2);
            if (t.volumeBoost == kVolumeBoostAutomatic) {
                skin_->boostAuto.Draw(dc, x + 2, 2);
            } else {
                skin_->boostNoAuto.Draw(dc, x + 2, 2);
                const int at = x + 14 + skin_->boostBar.Width() * t.volumeBoost / 1000;
                skin_->boostPointer.Draw(dc, at - skin_->boostPointer.Width() / 2, 2);
            }
            break;
        default: {
            const std::string genres = type == kSortGenre ? TheCollectionStore().Genres().GenreText(t) : std::string();
            const std::string typeText = type == kSortType ? FileTypeText(t.typeName) : std::string();
            const std::string cell = CellText(t, type, genres, typeText);
            if (!CellTextShown(cell))
                break;
            const std::string shown = FitCellText(cell, w - 8, measure);
            if (shown.empty())
                break;
            const int tx = ColumnInfo(type).rightAligned ? x + w - 4 - measure(shown) : x + 4;
            ExtTextOutA(dc, tx, 2, ETO_CLIPPED, &cellRect, shown.c_str(), UINT(shown.size()), nullptr);
            break;
        }
        }
        x += w;
    }
    SelectObject(dc, oldFont);
    if (focused)
        DrawFocusRect(dc, &whole);
    // Only the part of the row inside the list's client area goes to the screen.
    const int copyLeft = std::max(0, visibleLeft), copyRight = std::min(rowWidth, visibleRight);
    if (copyRight > copyLeft)
        BitBlt(item.hDC, rc.left + copyLeft, rc.top, copyRight - copyLeft, height, dc, copyLeft, 0, SRCCOPY);
}

void TrackList::FillInfoTip(NMLVGETINFOTIPA& tip) const
{
    if (!tip.pszText || tip.cchTextMax <= 0)
        return;
    std::string text;
    if (SelectionSummary(nullptr) < 2) {
        if (tip.iItem < 0 || size_t(tip.iItem) >= RowCount())
            return;
        const TrackRecord& t = RowTrack(size_t(tip.iItem));
        text = trackInfoText ? trackInfoText(t) : DisplayName(t);
    } else {
        SelectionSummary(&text);
    }
    CopyBounded(tip.pszText, text.c_str(), size_t(tip.cchTextMax));
}

int TrackList::PositionOf(int columnType) const
{
    const int filled = FilledColumnCount(order_);
    for (int p = 0; p < filled; ++p)
        if (order_[p] == columnType)
            return p;
    return -1;
}

TrackList::Cell TrackList::EditCellAt(POINT point, int row, int* cellLeft) const
{
    RECT rowRect{};
    if (row < 0 || !ListView_GetItemRect(list_, row, &rowRect, LVIR_BOUNDS))
        return Cell::None;
    for (Cell cell : {Cell::Preference, Cell::VolumeBoost}) {
        const int position = PositionOf(cell == Cell::Preference ? kSortPreference : kSortVolumeBoost);
        if (position < 0)
            continue;
        int left = rowRect.left;
        for (int p = 0; p < position; ++p)
            left += ListView_GetColumnWidth(list_, p);
        const int right = left + ListView_GetColumnWidth(list_, position);
        if (point.x > left && point.x < right && point.y > rowRect.top && point.y < rowRect.bottom) {
            *cellLeft = left;
            return cell;
        }
    }
    return Cell::None;
}

bool TrackList::IsEditCellClick(const NMITEMACTIVATE& click) const
{
    int left = 0;
    return editingAllowed && EditCellAt(click.ptAction, click.iItem, &left) != Cell::None;
}

void TrackList::OnClick(const NMITEMACTIVATE& click)
{
    if (!editingAllowed)
        return;
    const int focused = FocusedRow();
    const bool again = focused == lastFocusedRow;
    lastFocusedRow = focused;
    if (!again || focused < 0)
        return;
    int left = 0;
    const Cell cell = EditCellAt(click.ptAction, focused, &left);
    if (cell == Cell::None || !skin_)
        return;
    const int x = click.ptAction.x - left;
    const std::string playingPath = this->playingPath ? this->playingPath() : std::string();
    const int preference = PreferenceFromClick(x, skin_->preference.Width());
    const int boost = VolumeBoostFromClick(x, skin_->boostBar.Width());
    for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0 && size_t(row) < RowCount();
         row = ListView_GetNextItem(list_, row, LVNI_SELECTED)) {
        TrackRecord& t = TheCollectionStore().Track(size_t(row));
        t.flags &= ~uint32_t(kFlagNew);
        if (cell == Cell::Preference) {
            t.preference = uint8_t(preference);
        } else {
            t.volumeBoost = int16_t(boost);
            if (!playingPath.empty() && SamePath(playingPath.c_str(), t.path) && sendPlayingBoost)
                sendPlayingBoost(boost);
        }
    }
    Invalidate();
}

}  // namespace vuv
