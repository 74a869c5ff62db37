#include "platform/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace vuv {
namespace {

// A clipboard opened without a window loses its owner on EmptyClipboard,
// and the system then refuses SetClipboardData; a message-only window of
// the calling thread owns it for the time it is open.
class ClipboardOwner {
public:
    ClipboardOwner()
        : window_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                                  nullptr))
    {
    }
    ~ClipboardOwner()
    {
        if (window_)
            DestroyWindow(window_);
    }
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;
    HWND Window() const { return window_; }

private:
    HWND window_;
};

}  // namespace

bool PutTextOnClipboard(const std::string& text)
{
    ClipboardOwner owner;
    if (!owner.Window() || !OpenClipboard(owner.Window()))
        return false;
    EmptyClipboard();
    bool placed = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = GlobalLock(memory)) {
            memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            // The system owns the memory from here on.
            placed = SetClipboardData(CF_TEXT, memory) != nullptr;
        }
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

}  // namespace vuv
