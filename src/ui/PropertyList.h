// A list of named values, one row per value, whose values are edited in
// place: selecting a row opens its editor (an edit field, a combo box, a
// row button, by the row's kind) over the value column, and committing
// stores the editor's text in the row. Used by the "File Creation" window
// (two name-and-help-text lists) and the preferences dialogs.
//
// It is an owner-drawn list box, subclassed for the arrow keys and the
// double click; the editors are children of the list box. The parent window
// passes every message to MessageFilter first (for drawing the rows and for
// the optional "Create New", "Delete Selected" and "Delete All" buttons,
// which are the parent's children).
//
// User-interface thread only. The control owns its rows and windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vuv {

enum class PropertyKind : int {
    Heading = 0,         // bold name, 16 pixels less indented; no editor
    CentredHeading = 1,  // bold name, centred; no editor
    CentredName = 2,     // centred name; no editor
    Spacer = 3,          // an empty white row
    ReadOnly = 4,        // name and value; no editor (rows that are only chosen)
    Edit = 5,            // edit field
    EditCombo = 6,       // editable drop-down combo with the options
    DropList = 7,        // drop-down list of the options
    EditButton = 8,      // narrower edit field and the row button
    Button = 9,          // the row button only
    Link = 10,           // blue underlined value; a double click opens it
    DropListButton = 11, // as DropList, narrower, and the row button
    EditComboButton = 12,// as EditCombo, narrower, and the row button
    Toggle = 13,         // the on icon when the value is not empty, else the off icon
};

class PropertyList;
struct PropertyRow;

// The row button's callback: may change `value` (the editor's text) and
// returns true when it left a new one.
using RowButtonCallback = std::function<bool(const PropertyRow& row, std::string& value)>;
// A new choice in a DropList or DropListButton row.
using RowChoiceCallback = std::function<void(const PropertyRow& row, const std::string& chosen, PropertyList& list)>;

struct PropertyRow {
    PropertyRow() = default;
    PropertyRow(std::string rowName, std::string rowValue, PropertyKind rowKind)
        : name(std::move(rowName)), value(std::move(rowValue)), kind(rowKind)
    {
    }

    std::string name;
    std::string value;
    PropertyKind kind = PropertyKind::Edit;
    HICON icon = nullptr;  // 16 x 16, not owned
    int userNumber = 0;
    std::string buttonLabel;
    std::vector<std::string> options;
    RowButtonCallback onButton;
    RowChoiceCallback onChoice;
};

struct PropertyListLayout {
    int x = 0, y = 0, width = 0, height = 0;  // in the parent's client area
    int nameWidth = 150;                      // the x at which values start
    bool withButtons = false;                 // "Create New", "Delete Selected", "Delete All"
};

class PropertyList {
public:
    PropertyList() = default;
    ~PropertyList() { Destroy(); }
    PropertyList(const PropertyList&) = delete;
    PropertyList& operator=(const PropertyList&) = delete;

    // Creates the list box (and the buttons when asked) in `parent`.
    // `onCreateNew` runs on "Create New" after a commit.
    bool Create(HWND parent, HINSTANCE instance, const PropertyListLayout& layout,
                std::function<void()> onCreateNew = nullptr);
    // The icons of toggle rows; not owned.
    void SetToggleIcons(HICON off, HICON on);
    // Called with the row index on a double click (after a link row opened
    // its value).
    void SetDoubleClickHandler(std::function<void(int row)> handler) { onDoubleClick_ = std::move(handler); }

    // Adds a row at `position` (-1: the end); its index. A toggle row added
    // with a value gets the value "1".
    int AddRow(PropertyRow row, int position = -1);
    int RowCount() const { return int(rows_.size()); }
    PropertyRow& Row(int index) { return rows_[size_t(index)]; }
    int SelectedRow() const;
    // Commits any edit, selects the row and opens its editor; an index out
    // of range selects nothing.
    void SelectRow(int index);
    // Ends any value or name edit, storing its text in the row.
    void Commit();
    // Opens an edit field over the row's name, focused, its text selected.
    void EditName(int index);

    // The parent calls this first for every message; true when it was the
    // control's (the parent then returns TRUE from a dialog procedure).
    bool MessageFilter(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

    // Removes the subclassing and destroys the buttons, editors and list
    // box, the rows and the fonts.
    void Destroy();

    HWND Handle() const { return list_; }
    // The open value editor (null when none), for tests and owners.
    HWND ValueEditor() const { return editor_; }

private:
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    static LRESULT CALLBACK EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
    void Draw(const DRAWITEMSTRUCT& item);
    void OpenEditor(int index);
    void CloseEditor(bool store);
    void MoveSelection(int delta);
    bool OnListCommand(WORD code, HWND from);
    void OnRowButton();
    void OnDoubleClick();
    void DeleteSelected();
    void DeleteAll();
    void RemoveRow(int index);
    std::string WindowText(HWND window) const;

    HWND parent_ = nullptr;
    HINSTANCE instance_ = nullptr;
    PropertyListLayout layout_;
    HWND list_ = nullptr;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    HFONT underlineFont_ = nullptr;
    HICON offIcon_ = nullptr, onIcon_ = nullptr;
    HWND createNew_ = nullptr, deleteSelected_ = nullptr, deleteAll_ = nullptr;
    std::vector<PropertyRow> rows_;
    int editRow_ = -1;   // the row whose value is being edited
    HWND editor_ = nullptr;
    HWND rowButton_ = nullptr;
    int nameRow_ = -1;   // the row whose name is being edited
    HWND nameEditor_ = nullptr;
    bool inFilter_ = false;
    std::function<void()> onCreateNew_;
    std::function<void(int)> onDoubleClick_;
};

}  // namespace vuv
