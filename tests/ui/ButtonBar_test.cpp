#include "ui/ButtonBar.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

vuv::ButtonBar* gBar = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (gBar && gBar->MessageFilter(hwnd, msg, wp, lp))
        return msg == WM_DRAWITEM ? TRUE : 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// A visible top-level window at a fixed place of the screen, whose messages
// go through the bar first, as the main window's do.
class ButtonBarTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = "ButtonBarTestHost";
        RegisterClassA(&wc);
        host_ = CreateWindowExA(0, wc.lpszClassName, "host", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr,
                                nullptr, wc.hInstance, nullptr);
        ASSERT_NE(host_, nullptr);
        backdrop_.CreateBlank(400, 200);
        bar_ = std::make_unique<vuv::ButtonBar>(host_, GetModuleHandleA(nullptr));
        gBar = bar_.get();
        skin_ = vuvtest::SuiteDir() + "Skins\\Default\\Editor\\";
    }
    void TearDown() override
    {
        gBar = nullptr;
        bar_.reset();
        DestroyWindow(host_);
    }
    void Pump(DWORD ms)
    {
        for (DWORD waited = 0; waited < ms; waited += 10) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(10);
        }
    }
    // Waits (pumping) until `done` holds or 5 s have passed.
    template <typename F> bool PumpUntil(F done)
    {
        for (int i = 0; i < 500; ++i) {
            if (done())
                return true;
            Pump(10);
        }
        return done();
    }
    void PointAt(const vuv::BitmapButton* b)
    {
        RECT r;
        GetWindowRect(b->window, &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    COLORREF Drawn(vuv::BitmapButton* b, int x, int y)
    {
        vuv::SkinImage target;
        target.CreateBlank(40, 40);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_STATIC;
        item.hwndItem = b->window;
        item.hDC = target.Dc();
        EXPECT_TRUE(gBar->MessageFilter(host_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)));
        return GetPixel(target.Dc(), x, y);
    }

    HWND host_ = nullptr;
    vuv::SkinImage backdrop_;
    std::unique_ptr<vuv::ButtonBar> bar_;
    std::string skin_;
};

}  // namespace

TEST_F(ButtonBarTest, DrawsTheImageOfItsStateAndLatch)
{
    vuv::BitmapButton* play = bar_->AddButton(10, 10, skin_ + "PlayCntrlPlay.bmp", [] {}, 0, nullptr, nullptr, "",
                                              backdrop_);
    RECT r;
    GetClientRect(play->window, &r);
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.bottom, 17);
    // The three faces differ.
    COLORREF normal = GetPixel(play->images[0].Dc(), 3, 13);
    COLORREF hovered = GetPixel(play->images[1].Dc(), 3, 13);
    COLORREF down = GetPixel(play->images[2].Dc(), 3, 13);
    ASSERT_NE(normal, down);
    ASSERT_NE(hovered, down);
    EXPECT_EQ(Drawn(play, 3, 13), normal);
    play->state = vuv::ButtonState::Hovered;
    EXPECT_EQ(Drawn(play, 3, 13), hovered);
    bar_->Latch(play);
    EXPECT_TRUE(bar_->IsLatched(play));
    EXPECT_EQ(Drawn(play, 3, 13), down);
    play->state = vuv::ButtonState::Normal;
    EXPECT_EQ(Drawn(play, 3, 13), down);
    play->state = vuv::ButtonState::Pressed;
    EXPECT_EQ(Drawn(play, 3, 13), normal);  // latched and pressed again
    bar_->Release(play);
    EXPECT_EQ(Drawn(play, 3, 13), down);
    // The transparent corner was composed onto the (black) backdrop.
    EXPECT_EQ(GetPixel(play->images[0].Dc(), 0, 0), RGB(0, 0, 0));
}

TEST_F(ButtonBarTest, ClicksRunActionsAndHoverLightsPartners)
{
    int left = 0, right = 0, otherLeft = 0;
    vuv::BitmapButton* a = bar_->AddButton(10, 10, skin_ + "AddMusic.bmp", [&] { ++left; }, 0, nullptr, nullptr,
                                           "", backdrop_);
    vuv::BitmapButton* b = bar_->AddButton(95, 10, skin_ + "AddMusicMenu.bmp", [&] { ++otherLeft; }, 0, nullptr,
                                           [&] { ++right; }, "", backdrop_);
    bar_->Link(a, b);

    PointAt(a);
    SendMessageA(host_, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(a->state, vuv::ButtonState::Hovered);
    EXPECT_EQ(b->state, vuv::ButtonState::Hovered);  // linked

    SendMessageA(host_, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(a->state, vuv::ButtonState::Pressed);
    SendMessageA(host_, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(a->state, vuv::ButtonState::Hovered);

    // A right click on a button without a right action runs its left action.
    SendMessageA(host_, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    SendMessageA(host_, WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(left, 2);
    // With one, only the right action runs.
    PointAt(b);
    SendMessageA(host_, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    SendMessageA(host_, WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(right, 1);
    EXPECT_EQ(otherLeft, 0);

    // Released away from the button: no action.
    PointAt(a);
    SendMessageA(host_, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SetCursorPos(450, 250);
    SendMessageA(host_, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(left, 2);

    // The pointer has left the window: the hover thread puts both back.
    EXPECT_TRUE(PumpUntil([&] { return a->state == vuv::ButtonState::Normal && b->state == vuv::ButtonState::Normal; }));
}

TEST_F(ButtonBarTest, TipAppearsInTheTipWindowAfterTheDelay)
{
    vuv::BitmapButton* skip = bar_->AddButton(200, 50, skin_ + "PlayCntrlSkip.bmp", [] {}, 0, nullptr, nullptr,
                                              "Skip", backdrop_);
    SetCursorPos(450, 400);
    Pump(100);
    HWND tip = FindWindowA("TTWindow", nullptr);
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(IsWindowVisible(tip));
    PointAt(skip);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != FALSE; }));
    char text[64] = "";
    GetWindowTextA(tip, text, sizeof text);
    EXPECT_STREQ(text, "Skip");  // placed as the tooltip test places it
    // Leaving the button hides it.
    SetCursorPos(450, 400);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(tip); }));
}
