#include "ui/PropertyList.h"

#include "platform/UserMessages.h"

#include <gtest/gtest.h>

using namespace vuv;

namespace {

PropertyList* gList = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (gList && gList->MessageFilter(hwnd, msg, wp, lp))
        return TRUE;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

std::string Text(HWND window)
{
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A visible window whose messages go through the control first, as the
// owning dialogs' do; rows of every editing kind and some fixed ones.
class PropertyListTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "PropertyListTestHost";
        RegisterClassA(&wc);
        host_ = CreateWindowExA(0, wc.lpszClassName, "host", WS_POPUP | WS_VISIBLE, 50, 50, 500, 400, nullptr,
                                nullptr, wc.hInstance, nullptr);
        ASSERT_NE(host_, nullptr);
        PropertyListLayout layout;
        layout.x = 10, layout.y = 10, layout.width = 400, layout.height = 300, layout.withButtons = true;
        ASSERT_TRUE(list_.Create(host_, wc.hInstance, layout, [this] { ++createNew_; }));
        gList = &list_;
        list_.AddRow({"Columns", "", PropertyKind::Heading});
        list_.AddRow({"Width", std::string(300, 'w') + "end", PropertyKind::Edit});
        PropertyRow choice("Sort", "none of them", PropertyKind::DropList);
        choice.options = {"Artist", "Title"};
        choice.onChoice = [this](const PropertyRow&, const std::string& chosen, PropertyList&) { chosen_ = chosen; };
        list_.AddRow(choice);
        list_.AddRow({"Web", "http://example.org/", PropertyKind::Link});
        PropertyRow browse("Folder", "C:\\", PropertyKind::EditButton);
        browse.buttonLabel = "Browse";
        browse.onButton = [](const PropertyRow& row, std::string& value) {
            value = row.name + " chosen";
            return true;
        };
        list_.AddRow(browse);
        list_.AddRow({"Shown", "yes", PropertyKind::Toggle});
        SetMessageSink([this](const std::string& text, const std::string& title, MessageButtons, MessageIcon) {
            questions_.push_back(title + ": " + text);
            return MessageAnswer::Yes;
        });
    }
    void TearDown() override
    {
        SetMessageSink(nullptr);
        list_.Destroy();
        gList = nullptr;
        DestroyWindow(host_);
    }
    void Pump()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    HWND Child(HWND parent, const char* cls, const char* text = nullptr)
    {
        return FindWindowExA(parent, nullptr, cls, text);
    }

    HWND host_ = nullptr;
    PropertyList list_;
    int createNew_ = 0;
    std::string chosen_;
    std::vector<std::string> questions_;
};

}  // namespace

TEST_F(PropertyListTest, EditorsShowAndStoreTheWholeValue)
{
    EXPECT_EQ(list_.Row(5).value, "1");  // a toggle added with a value
    // A long value: the editor holds all of it, and a commit keeps it whole.
    list_.SelectRow(1);
    ASSERT_NE(list_.ValueEditor(), nullptr);
    EXPECT_EQ(Text(list_.ValueEditor()), std::string(300, 'w') + "end");
    SetWindowTextA(list_.ValueEditor(), "42");
    list_.Commit();
    EXPECT_EQ(list_.ValueEditor(), nullptr);
    EXPECT_EQ(list_.Row(1).value, "42");

    // A drop-down whose value is none of its options opens on the first;
    // a new choice calls the row's callback and is stored on commit.
    list_.SelectRow(2);
    HWND combo = list_.ValueEditor();
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SendMessageA(list_.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(chosen_, "Title");
    list_.SelectRow(0);  // selecting another row commits
    EXPECT_EQ(list_.Row(2).value, "Title");
    EXPECT_EQ(list_.ValueEditor(), nullptr);  // headings have no editor

    // The row button: its callback's value is committed and the editor
    // opened again on it.
    list_.SelectRow(4);
    HWND button = Child(list_.Handle(), "Button", "Browse");
    ASSERT_NE(button, nullptr);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(list_.Row(4).value, "Folder chosen");
    EXPECT_EQ(Text(list_.ValueEditor()), "Folder chosen");

    // A name edit.
    list_.EditName(3);
    HWND nameEditor = GetFocus();
    SetWindowTextA(nameEditor, "Home page");
    list_.Commit();
    EXPECT_EQ(list_.Row(3).name, "Home page");
}

TEST_F(PropertyListTest, ArrowsStopAtTheEndsAndDeletingKeepsFixedRows)
{
    list_.SelectRow(4);
    SendMessageA(list_.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list_.SelectedRow(), 5);
    SendMessageA(list_.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list_.SelectedRow(), 5);  // the last row stays selected
    list_.SelectRow(1);
    SendMessageA(list_.ValueEditor(), WM_KEYDOWN, VK_UP, 0);  // from the editor too
    Pump();
    EXPECT_EQ(list_.SelectedRow(), 0);
    list_.SelectRow(99);
    EXPECT_EQ(list_.SelectedRow(), -1);

    // "Delete Selected" leaves a fixed row alone and removes an editable one.
    list_.SelectRow(0);
    SendMessageA(Child(host_, "Button", "Delete Selected"), BM_CLICK, 0, 0);
    EXPECT_EQ(list_.RowCount(), 6);
    list_.SelectRow(1);
    SendMessageA(Child(host_, "Button", "Delete Selected"), BM_CLICK, 0, 0);
    EXPECT_EQ(list_.RowCount(), 5);
    EXPECT_EQ(list_.SelectedRow(), 1);
    EXPECT_EQ(list_.Row(1).name, "Sort");

    // "Delete All" asks, then keeps the heading, the link and the toggle.
    SendMessageA(Child(host_, "Button", "Delete All"), BM_CLICK, 0, 0);
    EXPECT_EQ(questions_, std::vector<std::string>{"Tonbrook - ID Tag: Remove All ID Tags?"});
    ASSERT_EQ(list_.RowCount(), 3);
    EXPECT_EQ(list_.Row(0).name, "Columns");
    EXPECT_EQ(list_.Row(1).name, "Web");
    EXPECT_EQ(list_.Row(2).name, "Shown");
    EXPECT_EQ(SendMessageA(list_.Handle(), LB_GETCOUNT, 0, 0), 3);
    SendMessageA(Child(host_, "Button", "Create New"), BM_CLICK, 0, 0);
    EXPECT_EQ(createNew_, 1);
}
