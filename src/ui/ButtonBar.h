// The bitmap buttons of one window and what runs them.
//
// A bitmap button is an owner-drawn static child (transparent to the mouse,
// so the owner window gets its mouse messages) with three images composed
// onto the backdrop at its position: normal, hovered ("-m") and pressed
// ("-d"). The owner window passes every message to `MessageFilter` first;
// the bar turns mouse messages over its buttons into hover states, clicks,
// menus and captures, and draws the buttons.
//
// Threads: the bar's hover thread polls every 50 ms (so that a button goes
// back to normal when the pointer has left the window) and the tooltip
// manager has a thread of its own. Button lists and states are guarded by
// one mutex shared by every bar. The threads never draw: a changed button
// is invalidated and then painted by the owner's thread. Actions and menus
// always run on the owner's (user-interface) thread, with no lock held.
#pragma once

#include "ui/ButtonLook.h"
#include "ui/SkinImage.h"
#include "ui/TooltipManager.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace vuv {

using ButtonAction = std::function<void()>;

struct BitmapButton {
    HWND window = nullptr;
    ButtonState state = ButtonState::Normal;
    bool latched = false;
    SkinImage images[3];  // by ButtonImage: normal, hovered, down
    ButtonAction leftAction;
    ButtonAction rightAction;  // when empty, a right click runs the left action
    ButtonAction heldAction;   // every 50 ms while pressed (on the hover thread)
    int menuId = 0;            // menu resource shown below the button on a press
    BitmapButton* partner = nullptr;
};

class ButtonBar {
public:
    ButtonBar(HWND owner, HINSTANCE instance);
    // Stops the threads, destroys the button windows and their images.
    // Call on the owner's thread.
    ~ButtonBar();
    ButtonBar(const ButtonBar&) = delete;
    ButtonBar& operator=(const ButtonBar&) = delete;

    // Creates a button at (x, y) of the owner's client area from the bitmap
    // at `bitmapPath` and its "-m" and "-d" images, each composed onto
    // `backdrop` through its mask. The window takes the normal image's size
    // (a missing image gives an empty, zero-sized button). The bar owns the
    // button; the pointer stays valid for the bar's life.
    BitmapButton* AddButton(int x, int y, const std::string& bitmapPath, ButtonAction leftAction, int menuId,
                            ButtonAction heldAction, ButtonAction rightAction, const std::string& tip,
                            const SkinImage& backdrop);
    // Hovering either of two linked buttons lights both.
    void Link(BitmapButton* a, BitmapButton* b);
    void Latch(BitmapButton* button);
    void Release(BitmapButton* button);
    bool IsLatched(const BitmapButton* button) const;

    // True when the bar took the message (the owner then does nothing more).
    bool MessageFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND Owner() const { return owner_; }
    const std::vector<std::unique_ptr<BitmapButton>>& Buttons() const { return buttons_; }

private:
    void HoverUpdate();  // caller holds the button mutex
    void SetState(BitmapButton& button, ButtonState state);
    BitmapButton* ButtonAt(HWND window) const;
    BitmapButton* ButtonUnderPointer() const;
    void ShowMenuBelow(BitmapButton& button);
    void HoverLoop();

    HWND owner_;
    HINSTANCE instance_;
    std::vector<std::unique_ptr<BitmapButton>> buttons_;
    std::unique_ptr<TooltipManager> tips_;
    bool leftPressed_ = false;
    bool rightPressed_ = false;
    bool inFilter_ = false;
    std::atomic<bool> stop_{false};
    std::thread hoverThread_;
};

}  // namespace vuv
