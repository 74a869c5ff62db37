// Tips for the bitmap buttons (and rectangles) of one window, shown in a
// window of our own class "TTWindow": light yellow, black frame, "MS Sans
// Serif". A thread of the manager polls the pointer every 50 ms and owns
// the tip window; a tip appears when the pointer has stayed on its item
// longer than the delay and goes when it leaves.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vuv {

struct TipBox {
    int x, y, width, height;
};

// Where a tip of the given text extent goes for a pointer at `pointer`
// (screen coordinates): 6 wider and 4 higher than the text, 10 pixels above
// the pointer; a negative x becomes 0 and a negative y 32 (below the
// pointer of a button at the top of the screen); then moved left and up so
// that it stays inside `desktop`.
TipBox PlaceTip(POINT pointer, SIZE text, const RECT& desktop);

class TooltipManager {
public:
    // Starts the manager's thread; `delayMs` is how long the pointer must
    // stay on an item.
    TooltipManager(HWND owner, DWORD delayMs);
    // Stops the thread (at most one 50 ms pass) and destroys the tip window.
    ~TooltipManager();
    TooltipManager(const TooltipManager&) = delete;
    TooltipManager& operator=(const TooltipManager&) = delete;

    // Any thread may add tips.
    void Add(HWND child, const std::string& text);
    void Add(const RECT& ownerClientRect, const std::string& text);

    // The tip window (null until the thread has made it); for tests.
    HWND TipWindow() const { return tipWindow_.load(); }

private:
    struct Tip {
        HWND window;  // null for a rectangle tip
        RECT rect;    // owner client coordinates, for a rectangle tip
        std::string text;
    };
    void Run();
    void Show(HWND tipWindow, const std::string& text, POINT pointer);

    HWND owner_;
    DWORD delayMs_;
    std::mutex lock_;  // guards tips_
    std::vector<Tip> tips_;
    std::atomic<bool> stop_{false};
    std::atomic<HWND> tipWindow_{nullptr};
    std::thread thread_;
};

}  // namespace vuv
