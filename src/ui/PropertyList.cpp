#include "ui/PropertyList.h"

#include "platform/UserMessages.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

namespace vuv {

namespace {

constexpr int kRowHeight = 20;
constexpr int kEditorHeight = 20;
constexpr int kComboHeight = 200;  // with its drop-down
constexpr int kButtonNarrowing = 77;
constexpr int kMaxValueChars = 2000;
constexpr COLORREF kSelectedName = RGB(0, 0, 128);
constexpr COLORREF kLabelColour = RGB(128, 0, 0);
constexpr COLORREF kValueColour = RGB(128, 128, 128);
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr UINT_PTR kSubclassId = 1;
// Posted to the list box by an editor's arrow key (wParam: -1 or 1): the
// move destroys that editor, which must not happen inside its own message.
constexpr UINT kMoveSelection = WM_APP + 0x50;

int g_nextListId = 0x7E00;  // control ids of the list boxes (never 0: WM_DRAWITEM's menu id)

bool HasEditField(PropertyKind kind)
{
    return kind == PropertyKind::Edit || kind == PropertyKind::EditButton;
}
bool HasEditCombo(PropertyKind kind)
{
    return kind == PropertyKind::EditCombo || kind == PropertyKind::EditComboButton;
}
bool HasDropList(PropertyKind kind)
{
    return kind == PropertyKind::DropList || kind == PropertyKind::DropListButton;
}
bool HasRowButton(PropertyKind kind)
{
    return kind == PropertyKind::EditButton || kind == PropertyKind::Button ||
           kind == PropertyKind::DropListButton || kind == PropertyKind::EditComboButton;
}
bool IsRemovable(PropertyKind kind) { return HasEditField(kind) || HasEditCombo(kind) || HasDropList(kind) || kind == PropertyKind::Button; }

int TextWidth(HDC dc, const std::string& text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

// The text as it fits in `width` pixels: whole, or shortened one character
// at a time until it and "..." fit.
std::string Shortened(HDC dc, const std::string& text, int width)
{
    if (TextWidth(dc, text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && TextWidth(dc, cut + "...") > width)
        cut.pop_back();
    return cut + "...";
}

void DrawTextAt(HDC dc, const std::string& text, RECT box, UINT format)
{
    DrawTextA(dc, text.c_str(), int(text.size()), &box, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

bool PropertyList::Create(HWND parent, HINSTANCE instance, const PropertyListLayout& layout,
                          std::function<void()> onCreateNew)
{
    Destroy();
    parent_ = parent;
    instance_ = instance;
    layout_ = layout;
    onCreateNew_ = std::move(onCreateNew);
    auto font = [](int weight, bool underline) {
        return CreateFontA(13, 0, 0, 0, weight, FALSE, underline, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    };
    font_ = font(FW_NORMAL, false);
    boldFont_ = font(FW_BOLD, false);
    underlineFont_ = font(FW_NORMAL, true);
    list_ = CreateWindowExA(0, "LISTBOX", "",
                            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_CLIPCHILDREN |
                                LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            layout.x, layout.y, layout.width, layout.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextListId++)), instance, nullptr);
    if (!list_)
        return false;
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, kRowHeight);
    SetWindowSubclass(list_, ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (layout.withButtons) {
        const HFONT parentFont = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
        auto button = [&](const char* text, int dx, int width) {
            HWND b = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                     layout.x + dx, layout.y + layout.height + 1, width, 20, parent, nullptr,
                                     instance, nullptr);
            SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(parentFont), FALSE);
            return b;
        };
        createNew_ = button("Create New", 0, 75);
        deleteSelected_ = button("Delete Selected", 78, 95);
        deleteAll_ = button("Delete All", 175, 75);
    }
    return true;
}

void PropertyList::SetToggleIcons(HICON off, HICON on)
{
    offIcon_ = off;
    onIcon_ = on;
}

void PropertyList::Destroy()
{
    if (list_) {
        CloseEditor(false);
        if (nameEditor_) {
            DestroyWindow(nameEditor_);
            nameEditor_ = nullptr;
            nameRow_ = -1;
        }
        RemoveWindowSubclass(list_, ListProc, kSubclassId);
        DestroyWindow(list_);
        list_ = nullptr;
    }
    for (HWND* b : {&createNew_, &deleteSelected_, &deleteAll_}) {
        if (*b)
            DestroyWindow(*b);
        *b = nullptr;
    }
    for (HFONT* f : {&font_, &boldFont_, &underlineFont_}) {
        if (*f)
            DeleteObject(*f);
        *f = nullptr;
    }
    rows_.clear();
}

int PropertyList::AddRow(PropertyRow row, int position)
{
    Commit();
    if (row.kind == PropertyKind::Toggle && !row.value.empty())
        row.value = "1";
    if (position < 0 || position > RowCount())
        position = RowCount();
    rows_.insert(rows_.begin() + position, std::move(row));
    if (list_)
        SendMessageA(list_, LB_INSERTSTRING, WPARAM(position), reinterpret_cast<LPARAM>(rows_[size_t(position)].name.c_str()));
    return position;
}

int PropertyList::SelectedRow() const
{
    const LRESULT selected = list_ ? SendMessageA(list_, LB_GETCURSEL, 0, 0) : LB_ERR;
    return selected == LB_ERR ? -1 : int(selected);
}

void PropertyList::SelectRow(int index)
{
    Commit();
    if (!list_)
        return;
    if (index < 0 || index >= RowCount()) {
        SendMessageA(list_, LB_SETCURSEL, WPARAM(-1), 0);
        return;
    }
    SendMessageA(list_, LB_SETCURSEL, WPARAM(index), 0);
    OpenEditor(index);
}

void PropertyList::Commit()
{
    CloseEditor(true);
    if (nameEditor_) {
        HWND editor = nameEditor_;
        nameEditor_ = nullptr;
        rows_[size_t(nameRow_)].name = WindowText(editor);
        SendMessageA(list_, LB_DELETESTRING, WPARAM(nameRow_), 0);
        SendMessageA(list_, LB_INSERTSTRING, WPARAM(nameRow_), reinterpret_cast<LPARAM>(rows_[size_t(nameRow_)].name.c_str()));
        nameRow_ = -1;
        DestroyWindow(editor);
    }
    if (list_)
        InvalidateRect(list_, nullptr, TRUE);
}

void PropertyList::EditName(int index)
{
    Commit();
    if (!list_ || index < 0 || index >= RowCount())
        return;
    RECT r{};
    SendMessageA(list_, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    nameRow_ = index;
    nameEditor_ = CreateWindowExA(0, "EDIT", rows_[size_t(index)].name.c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 1, r.top,
                                  layout_.nameWidth, kEditorHeight, list_, nullptr, instance_, nullptr);
    SendMessageA(nameEditor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageA(nameEditor_, EM_LIMITTEXT, kMaxValueChars, 0);
    SetWindowSubclass(nameEditor_, EditorProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetFocus(nameEditor_);
    SendMessageA(nameEditor_, EM_SETSEL, 0, -1);
}

void PropertyList::OpenEditor(int index)
{
    const PropertyRow& row = rows_[size_t(index)];
    RECT r{};
    SendMessageA(list_, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    const int x = layout_.nameWidth, y = r.top - 2;
    const int width = layout_.width - layout_.nameWidth - 20 - (row.kind == PropertyKind::EditButton ||
                                                                        row.kind == PropertyKind::DropListButton ||
                                                                        row.kind == PropertyKind::EditComboButton
                                                                    ? kButtonNarrowing
                                                                    : 0);
    auto child = [&](const char* cls, DWORD style, int height) {
        HWND w = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, width, height, list_,
                                 nullptr, instance_, nullptr);
        SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return w;
    };
    HWND keys = nullptr;  // the window that gets the editor's keys
    if (HasEditField(row.kind)) {
        editor_ = child("EDIT", WS_BORDER | ES_AUTOHSCROLL, kEditorHeight);
        SendMessageA(editor_, EM_LIMITTEXT, kMaxValueChars, 0);
        SetWindowTextA(editor_, row.value.c_str());
        SendMessageA(editor_, EM_SETSEL, 0, -1);
        keys = editor_;
    } else if (HasEditCombo(row.kind) || HasDropList(row.kind)) {
        const bool drop = HasDropList(row.kind);
        editor_ = child("COMBOBOX", WS_VSCROLL | (drop ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL),
                        kComboHeight);
        for (const std::string& option : row.options)
            SendMessageA(editor_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(option.c_str()));
        if (drop) {
            const auto match = std::find(row.options.begin(), row.options.end(), row.value);
            SendMessageA(editor_, CB_SETCURSEL, match == row.options.end() ? 0 : WPARAM(match - row.options.begin()), 0);
            keys = editor_;
        } else {
            SendMessageA(editor_, CB_LIMITTEXT, kMaxValueChars, 0);
            SetWindowTextA(editor_, row.value.c_str());
            keys = GetWindow(editor_, GW_CHILD);  // the combo box's own edit field
        }
    }
    if (editor_ || HasRowButton(row.kind))
        editRow_ = index;
    if (HasRowButton(row.kind)) {
        rowButton_ = CreateWindowExA(0, "BUTTON", row.buttonLabel.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                     layout_.width - 95, y, 75, 20, list_, nullptr, instance_, nullptr);
        SendMessageA(rowButton_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    if (keys)
        SetWindowSubclass(keys, EditorProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (editor_)
        SetFocus(editor_);
}

void PropertyList::CloseEditor(bool store)
{
    if (editRow_ < 0)
        return;
    PropertyRow& row = rows_[size_t(editRow_)];
    HWND editor = editor_, button = rowButton_;
    editor_ = rowButton_ = nullptr;
    editRow_ = -1;
    if (store && editor) {
        if (HasDropList(row.kind)) {
            const LRESULT chosen = SendMessageA(editor, CB_GETCURSEL, 0, 0);
            if (chosen >= 0 && size_t(chosen) < row.options.size())
                row.value = row.options[size_t(chosen)];
        } else {
            row.value = WindowText(editor);
        }
    }
    if (editor)
        DestroyWindow(editor);
    if (button)
        DestroyWindow(button);
}

void PropertyList::MoveSelection(int delta)
{
    const int from = SelectedRow();
    const int to = std::clamp(from < 0 ? 0 : from + delta, 0, RowCount() - 1);
    if (RowCount() == 0 || to == from)
        return;
    SelectRow(to);
    if (!editor_)
        SetFocus(list_);
}

std::string PropertyList::WindowText(HWND window) const
{
    std::string text(size_t(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(window, &text[0], int(text.size()))));
    return text.substr(0, kMaxValueChars);
}

void PropertyList::OnRowButton()
{
    const int index = editRow_;
    if (index < 0 || !rows_[size_t(index)].onButton)
        return;
    std::string value = rows_[size_t(index)].value;
    if (editor_)
        value = HasDropList(rows_[size_t(index)].kind) ? value : WindowText(editor_);
    const PropertyRow row = rows_[size_t(index)];  // the callback may change the list
    if (!row.onButton(row, value) || index >= RowCount())
        return;
    CloseEditor(false);
    rows_[size_t(index)].value = value;
    OpenEditor(index);
    InvalidateRect(list_, nullptr, TRUE);
}

void PropertyList::OnDoubleClick()
{
    const int index = SelectedRow();
    if (index < 0)
        return;
    const PropertyRow& row = rows_[size_t(index)];
    if (row.kind == PropertyKind::Link) {
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(list_, &at);
        if (at.x >= layout_.nameWidth) {
            ShellExecuteA(parent_, "open", row.value.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            MessageBeep(MB_OK);
        }
    }
    if (onDoubleClick_)
        onDoubleClick_(index);
}

void PropertyList::RemoveRow(int index)
{
    rows_.erase(rows_.begin() + index);
    SendMessageA(list_, LB_DELETESTRING, WPARAM(index), 0);
}

void PropertyList::DeleteSelected()
{
    Commit();
    const int index = SelectedRow();
    if (index < 0 || !IsRemovable(rows_[size_t(index)].kind))
        return;
    RemoveRow(index);
    SelectRow(index);
}

void PropertyList::DeleteAll()
{
    if (!AskYesNo("Remove All ID Tags?", "Tonbrook - ID Tag"))
        return;
    Commit();
    for (int i = RowCount() - 1; i >= 0; --i)
        if (IsRemovable(rows_[size_t(i)].kind))
            RemoveRow(i);
    SelectRow(0);
}

bool PropertyList::MessageFilter(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!list_)
        return false;
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->hwndItem != list_)
            return false;
        Draw(*item);
        return true;
    }
    if (message != WM_COMMAND || inFilter_)
        return false;
    const HWND from = reinterpret_cast<HWND>(lParam);
    const WORD code = HIWORD(wParam);
    if (from != list_ && (code != BN_CLICKED || !from || (from != createNew_ && from != deleteSelected_ && from != deleteAll_)))
        return false;
    // A command of the control may show a question or call the owner,
    // whose messages come back here meanwhile.
    inFilter_ = true;
    if (from == list_) {
        if (code == LBN_SELCHANGE) {
            Commit();
            const int index = SelectedRow();
            if (index >= 0)
                OpenEditor(index);
        } else if (code == LBN_DBLCLK) {
            OnDoubleClick();
        }
    } else if (from == createNew_) {
        Commit();
        if (onCreateNew_)
            onCreateNew_();
    } else if (from == deleteSelected_) {
        DeleteSelected();
    } else {
        DeleteAll();
    }
    inFilter_ = false;
    return true;
}

void PropertyList::Draw(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == UINT(-1) || item.itemID >= rows_.size())
        return;
    const PropertyRow& row = rows_[item.itemID];
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (selected) {
        RECT name = {r.left, r.top, r.left + layout_.nameWidth, r.bottom};
        HBRUSH blue = CreateSolidBrush(kSelectedName);
        FillRect(dc, &name, blue);
        DeleteObject(blue);
        DrawFocusRect(dc, &name);
    }
    if (row.kind == PropertyKind::Spacer)
        return;
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ oldFont = SelectObject(dc, font_);

    // The name.
    const bool bold = row.kind == PropertyKind::Heading || row.kind == PropertyKind::CentredHeading;
    const bool centred = row.kind == PropertyKind::CentredHeading || row.kind == PropertyKind::CentredName;
    const int iconX = r.left + (row.kind == PropertyKind::Heading ? 6 : 22);
    if (row.icon)
        DrawIconEx(dc, iconX, r.top + (kRowHeight - 16) / 2, row.icon, 16, 16, 0, nullptr, DI_NORMAL);
    SelectObject(dc, bold ? boldFont_ : font_);
    SetTextColor(dc, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
    if (centred) {
        DrawTextAt(dc, Shortened(dc, row.name, (r.right - r.left) - 10), r, DT_CENTER);
    } else {
        const int nameX = iconX + 18;
        const RECT box = {nameX, r.top, r.left + layout_.nameWidth, r.bottom};
        DrawTextAt(dc, Shortened(dc, row.name, layout_.nameWidth - (nameX - r.left) - 5), box, DT_LEFT);
    }

    // The button label, when the row button is not shown.
    SelectObject(dc, font_);
    int valueRight = r.right - 2;
    if (!row.buttonLabel.empty() && !selected) {
        const std::string label = "[ " + row.buttonLabel + " ]";
        SetTextColor(dc, kLabelColour);
        const RECT box = {r.left + layout_.nameWidth, r.top, r.right - 20, r.bottom};
        DrawTextAt(dc, label, box, DT_RIGHT);
        valueRight = r.right - 20 - TextWidth(dc, label) - 4;
    }

    // The value.
    const int valueX = r.left + layout_.nameWidth + 2;
    if (row.kind == PropertyKind::Toggle) {
        if (HICON icon = row.value.empty() ? offIcon_ : onIcon_)
            DrawIconEx(dc, valueX, r.top + (kRowHeight - 16) / 2, icon, 16, 16, 0, nullptr, DI_NORMAL);
    } else if (valueRight > valueX) {
        const bool link = row.kind == PropertyKind::Link;
        SelectObject(dc, link ? underlineFont_ : font_);
        SetTextColor(dc, link ? kLinkColour : kValueColour);
        const RECT box = {valueX, r.top, valueRight, r.bottom};
        DrawTextAt(dc, Shortened(dc, row.value, valueRight - valueX), box, DT_LEFT);
    }
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK PropertyList::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self)
{
    PropertyList& list = *reinterpret_cast<PropertyList*>(self);
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN) {
            list.MoveSelection(wParam == VK_UP ? -1 : 1);
            return 0;
        }
        break;
    case kMoveSelection:
        list.MoveSelection(int(wParam));
        return 0;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        // An open editor would stay where its row was.
        list.Commit();
        break;
    case WM_COMMAND: {
        const HWND from = reinterpret_cast<HWND>(lParam);
        if (from && from == list.rowButton_ && HIWORD(wParam) == BN_CLICKED) {
            list.OnRowButton();
            return 0;
        }
        if (from && from == list.editor_ && HIWORD(wParam) == CBN_SELCHANGE && list.editRow_ >= 0) {
            const PropertyRow row = list.rows_[size_t(list.editRow_)];
            const LRESULT chosen = SendMessageA(from, CB_GETCURSEL, 0, 0);
            if (HasDropList(row.kind) && row.onChoice && chosen >= 0 && size_t(chosen) < row.options.size())
                row.onChoice(row, row.options[size_t(chosen)], list);
            return 0;
        }
        break;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, ListProc, kSubclassId);
        list.list_ = nullptr;
        list.editor_ = list.rowButton_ = list.nameEditor_ = nullptr;
        list.editRow_ = list.nameRow_ = -1;
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK PropertyList::EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self)
{
    PropertyList& list = *reinterpret_cast<PropertyList*>(self);
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        const bool combo = list.editRow_ >= 0 && !HasEditField(list.rows_[size_t(list.editRow_)].kind);
        if (!combo || !SendMessageA(list.editor_, CB_GETDROPPEDSTATE, 0, 0)) {
            PostMessageA(list.list_, kMoveSelection, WPARAM(wParam == VK_UP ? -1 : 1), 0);
            return 0;
        }
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, EditorProc, kSubclassId);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace vuv
