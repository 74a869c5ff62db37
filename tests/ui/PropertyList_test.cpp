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

// A window whose messages go through the control first, as the owning
// dialogs' do, with rows of fixed and of editing kinds.
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
        PropertyListLayout layout;
        layout.x = 10, layout.y = 10, layout.width = 400, layout.height = 300, layout.withButtons = true;
        ASSERT_TRUE(list_.Create(host_, wc.hInstance, layout));
        gList = &list_;
        list_.AddRow({"Columns", "", PropertyKind::Heading});
        list_.AddRow({"Width", std::string(300, 'w') + "end", PropertyKind::Edit});
        PropertyRow choice("Sort", "none of them", PropertyKind::DropList);
        choice.options = {"Artist", "Title"};
        list_.AddRow(choice);
        list_.AddRow({"Web", "http://example.org/", PropertyKind::Link});
        SetMessageSink([](const std::string&, const std::string&, MessageButtons, MessageIcon) {
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
    void Click(const char* button) { SendMessageA(FindWindowExA(host_, nullptr, "Button", button), BM_CLICK, 0, 0); }

    HWND host_ = nullptr;
    PropertyList list_;
};

}  // namespace

TEST_F(PropertyListTest, EditorsShowAndStoreTheWholeValue)
{
    // A long value: the editor holds all of it; a commit stores the text.
    list_.SelectRow(1);
    EXPECT_EQ(GetWindowTextLengthA(list_.ValueEditor()), 303);
    SetWindowTextA(list_.ValueEditor(), "42");
    // A drop-down whose value is none of its options opens on the first;
    // selecting another row commits.
    list_.SelectRow(2);
    EXPECT_EQ(list_.Row(1).value, "42");
    EXPECT_EQ(SendMessageA(list_.ValueEditor(), CB_GETCURSEL, 0, 0), 0);
    list_.SelectRow(0);
    EXPECT_EQ(list_.Row(2).value, "Artist");
    EXPECT_EQ(list_.ValueEditor(), nullptr);  // headings have no editor
}

TEST_F(PropertyListTest, ArrowsStopAtTheEndsAndDeletingKeepsFixedRows)
{
    list_.SelectRow(2);
    SendMessageA(list_.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(list_.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list_.SelectedRow(), 3);  // the last row stays selected
    // "Delete Selected" leaves a fixed row alone; "Delete All" (answered
    // Yes) keeps the heading and the link.
    Click("Delete Selected");
    EXPECT_EQ(list_.RowCount(), 4);
    Click("Delete All");
    ASSERT_EQ(list_.RowCount(), 2);
    EXPECT_EQ(list_.Row(1).name, "Web");
    EXPECT_EQ(SendMessageA(list_.Handle(), LB_GETCOUNT, 0, 0), 2);
}
