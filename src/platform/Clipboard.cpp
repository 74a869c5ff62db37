#include "platform/Clipboard.h"

#include "platform/WindowSystem.h"

#include <windows.h>

#include <cstring>

namespace vuv {
namespace {

// The clipboard's functions, from user32 loaded when first needed.
struct ClipboardCalls {
    decltype(&CreateWindowExA) createWindow = WindowSystem<decltype(&CreateWindowExA)>("CreateWindowExA");
    decltype(&DestroyWindow) destroyWindow = WindowSystem<decltype(&DestroyWindow)>("DestroyWindow");
    decltype(&OpenClipboard) open = WindowSystem<decltype(&OpenClipboard)>("OpenClipboard");
    decltype(&EmptyClipboard) empty = WindowSystem<decltype(&EmptyClipboard)>("EmptyClipboard");
    decltype(&SetClipboardData) setData = WindowSystem<decltype(&SetClipboardData)>("SetClipboardData");
    decltype(&CloseClipboard) close = WindowSystem<decltype(&CloseClipboard)>("CloseClipboard");

    bool Complete() const { return createWindow && destroyWindow && open && empty && setData && close; }
};

// A clipboard opened without a window loses its owner on EmptyClipboard,
// and the system then refuses SetClipboardData; a message-only window of
// the calling thread owns it for the time it is open.
class ClipboardOwner {
public:
    explicit ClipboardOwner(const ClipboardCalls& calls)
        : calls_(calls),
          window_(calls.createWindow(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~ClipboardOwner()
    {
        if (window_)
            calls_.destroyWindow(window_);
    }
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;
    HWND Window() const { return window_; }

private:
    const ClipboardCalls& calls_;
    HWND window_;
};

}  // namespace

bool PutTextOnClipboard(const std::string& text)
{
    const ClipboardCalls calls;
    if (!calls.Complete())
        return false;
    ClipboardOwner owner(calls);
    if (!owner.Window() || !calls.open(owner.Window()))
        return false;
    calls.empty();
    bool placed = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = GlobalLock(memory)) {
            memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            // The system owns the memory from here on.
            placed = calls.setData(CF_TEXT, memory) != nullptr;
        }
        if (!placed)
            GlobalFree(memory);
    }
    calls.close();
    return placed;
}

}  // namespace vuv
