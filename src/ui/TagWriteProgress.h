// The progress window of a long tag edit ("Writing Tags", dialog 150): shown
// once the edit has taken longer than a second, with the count of tracks
// done and a Stop button. Between tracks the thread's windows are kept
// alive, so the window can be moved and Stop pressed.
//
// User-interface thread only.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace vuv {

class TagWriteProgress {
public:
    // Starts the clock; no window yet. `owner` is disabled by the caller.
    TagWriteProgress(HWND owner, HINSTANCE instance);
    ~TagWriteProgress();
    TagWriteProgress(const TagWriteProgress&) = delete;
    TagWriteProgress& operator=(const TagWriteProgress&) = delete;

    // After each track: shows or updates the window when more than a second
    // has passed, and lets waiting messages run. False once Stop was pressed.
    bool Step(size_t done, size_t total);

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    uint32_t started_;
    bool stopped_ = false;
};

}  // namespace vuv
