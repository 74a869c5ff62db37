#include "ui/TooltipManager.h"

namespace vuv {

namespace {

constexpr const char* kTipClass = "TTWindow";
constexpr DWORD kPollMs = 50;
constexpr int kTipFontHeight = 12;

HFONT TipFont()
{
    return CreateFontA(kTipFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       "MS Sans Serif");
}

LRESULT CALLBACK TipProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        HBRUSH fill = CreateSolidBrush(RGB(255, 255, 204));
        FillRect(dc, &rc, fill);
        DeleteObject(fill);
        FrameRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        char text[1024] = "";
        GetWindowTextA(hwnd, text, sizeof text);
        HFONT font = TipFont();
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        TextOutA(dc, 2, 2, text, lstrlenA(text));
        SelectObject(dc, old);
        DeleteObject(font);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterTipClass()
{
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = TipProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kTipClass;
        RegisterClassA(&wc);
    });
}

}  // namespace

TipBox PlaceTip(POINT pointer, SIZE text, const RECT& desktop)
{
    TipBox box{pointer.x, 0, text.cx + 6, text.cy + 4};
    box.y = pointer.y - box.height - 10;
    if (box.x < 0)
        box.x = 0;
    if (box.y < 0)
        box.y = 32;
    if (box.x + box.width > desktop.right)
        box.x = desktop.right - box.width;
    if (box.y + box.height > desktop.bottom)
        box.y = desktop.bottom - box.height;
    return box;
}

TooltipManager::TooltipManager(HWND owner, DWORD delayMs) : owner_(owner), delayMs_(delayMs)
{
    RegisterTipClass();
    thread_ = std::thread([this] { Run(); });
}

TooltipManager::~TooltipManager()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

void TooltipManager::Add(HWND child, const std::string& text)
{
    std::lock_guard<std::mutex> guard(lock_);
    tips_.push_back({child, RECT{}, text});
}

void TooltipManager::Add(const RECT& rect, const std::string& text)
{
    std::lock_guard<std::mutex> guard(lock_);
    tips_.push_back({nullptr, rect, text});
}

void TooltipManager::Show(HWND tipWindow, const std::string& text, POINT pointer)
{
    SetWindowTextA(tipWindow, text.c_str());
    SIZE extent{0, 0};
    HDC dc = GetDC(tipWindow);
    HFONT font = TipFont();
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(tipWindow, dc);
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    TipBox box = PlaceTip(pointer, extent, desktop);
    HWND foreground = GetForegroundWindow();
    SetWindowPos(tipWindow, HWND_TOPMOST, box.x, box.y, box.width, box.height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(tipWindow, nullptr, TRUE);
    if (foreground && GetForegroundWindow() != foreground)
        SetForegroundWindow(foreground);
}

void TooltipManager::Run()
{
    HWND tip = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kTipClass, "", WS_POPUP, 0, 0,
                               0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    tipWindow_ = tip;
    int shown = -1;      // index of the tip on screen
    int candidate = -1;  // the item the pointer rests on
    POINT shownAt{};
    DWORD arrived = GetTickCount();
    while (!stop_) {
        POINT pointer{};
        GetCursorPos(&pointer);
        POINT client = pointer;
        ScreenToClient(owner_, &client);
        HWND under = ChildWindowFromPointEx(owner_, client, CWP_SKIPINVISIBLE);
        DWORD now = GetTickCount();
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (shown < 0) {
                int match = -1;
                for (size_t i = 0; i < tips_.size() && match < 0; ++i) {
                    const Tip& t = tips_[i];
                    if (t.window ? (under && t.window == under) : PtInRect(&t.rect, client) != FALSE)
                        match = int(i);
                }
                if (match != candidate) {
                    candidate = match;
                    arrived = now;
                } else if (match >= 0 && now - arrived > delayMs_) {
                    const Tip& t = tips_[size_t(match)];
                    bool ready = !t.window || (IsWindowVisible(t.window) && under == t.window);
                    if (ready && tip) {
                        Show(tip, t.text, pointer);
                        shown = match;
                        shownAt = pointer;
                    }
                }
            } else {
                const Tip& t = tips_[size_t(shown)];
                bool left = t.window ? under != t.window : (pointer.x != shownAt.x || pointer.y != shownAt.y);
                if (left) {
                    ShowWindow(tip, SW_HIDE);
                    shown = -1;
                    candidate = -1;
                    arrived = now;
                }
            }
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(kPollMs);
    }
    tipWindow_ = nullptr;
    if (tip)
        DestroyWindow(tip);
}

}  // namespace vuv
