#include "ui/ButtonBar.h"

#include "ui/SkinNames.h"


#include <mutex>

namespace vuv {

namespace {

constexpr DWORD kHoverPollMs = 50;
constexpr int kHoverUpdateEvery = 5;  // passes: 250 ms
constexpr DWORD kTipDelayMs = 1000;

// One lock for the button lists and states of every bar.
std::mutex& ButtonsMutex()
{
    static std::mutex mutex;
    return mutex;
}

}  // namespace

ButtonBar::ButtonBar(HWND owner, HINSTANCE instance) : owner_(owner), instance_(instance) {}

ButtonBar::~ButtonBar()
{
    stop_ = true;
    if (hoverThread_.joinable())
        hoverThread_.join();
    tips_.reset();
    std::lock_guard<std::mutex> guard(ButtonsMutex());
    for (auto& button : buttons_)
        if (button->window && IsWindow(button->window))
            DestroyWindow(button->window);
    buttons_.clear();
}

BitmapButton* ButtonBar::AddButton(int x, int y, const std::string& bitmapPath, ButtonAction leftAction,
                                   int menuId, ButtonAction heldAction, ButtonAction rightAction,
                                   const std::string& tip, const SkinImage& backdrop)
{
    auto button = std::make_unique<BitmapButton>();
    const std::string paths[3] = {bitmapPath, SkinVariantPath(bitmapPath, "-m"), SkinVariantPath(bitmapPath, "-d")};
    for (int i = 0; i < 3; ++i) {
        button->images[i].LoadFile(paths[i]);
        ComposeOntoBackdrop(button->images[i], backdrop, x, y, paths[i]);
    }
    button->leftAction = std::move(leftAction);
    button->rightAction = std::move(rightAction);
    button->heldAction = std::move(heldAction);
    button->menuId = menuId;
    // No SS_NOTIFY: the static is transparent to the mouse, so its clicks
    // and moves reach the owner and its filter.
    button->window = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, x, y,
                                     button->images[0].Width(), button->images[0].Height(), owner_, nullptr,
                                     instance_, nullptr);
    BitmapButton* added = button.get();
    {
        std::lock_guard<std::mutex> guard(ButtonsMutex());
        buttons_.push_back(std::move(button));
    }
    if (!tip.empty()) {
        if (!tips_)
            tips_ = std::make_unique<TooltipManager>(owner_, kTipDelayMs);
        tips_->Add(added->window, tip);
    }
    if (!hoverThread_.joinable())
        hoverThread_ = std::thread([this] { HoverLoop(); });
    return added;
}

void ButtonBar::Link(BitmapButton* a, BitmapButton* b)
{
    std::lock_guard<std::mutex> guard(ButtonsMutex());
    a->partner = b;
    b->partner = a;
}

void ButtonBar::Latch(BitmapButton* button)
{
    std::lock_guard<std::mutex> guard(ButtonsMutex());
    if (button && !button->latched) {
        button->latched = true;
        InvalidateRect(button->window, nullptr, FALSE);
    }
}

void ButtonBar::Release(BitmapButton* button)
{
    std::lock_guard<std::mutex> guard(ButtonsMutex());
    if (button && button->latched) {
        button->latched = false;
        InvalidateRect(button->window, nullptr, FALSE);
    }
}

bool ButtonBar::IsLatched(const BitmapButton* button) const
{
    std::lock_guard<std::mutex> guard(ButtonsMutex());
    return button && button->latched;
}

void ButtonBar::SetState(BitmapButton& button, ButtonState state)
{
    if (button.state != state) {
        button.state = state;
        InvalidateRect(button.window, nullptr, FALSE);
    }
}

BitmapButton* ButtonBar::ButtonAt(HWND window) const
{
    if (!window)
        return nullptr;
    for (auto& button : buttons_)
        if (button->window == window)
            return button.get();
    return nullptr;
}

BitmapButton* ButtonBar::ButtonUnderPointer() const
{
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(owner_, &pointer);
    return ButtonAt(ChildWindowFromPointEx(owner_, pointer, CWP_SKIPINVISIBLE));
}

void ButtonBar::HoverUpdate()
{
    BitmapButton* hit = ButtonUnderPointer();
    if (hit) {
        SetState(*hit, (leftPressed_ || rightPressed_) ? ButtonState::Pressed : ButtonState::Hovered);
        if (hit->partner && hit->partner->state != ButtonState::Pressed)
            SetState(*hit->partner, ButtonState::Hovered);
    }
    for (auto& button : buttons_) {
        if (button.get() == hit || (hit && button.get() == hit->partner))
            continue;
        SetState(*button, ButtonState::Normal);
    }
}

void ButtonBar::ShowMenuBelow(BitmapButton& button)
{
    HMENU menu = LoadMenuA(instance_, MAKEINTRESOURCEA(button.menuId));
    if (!menu)
        return;
    RECT rect{};
    GetWindowRect(button.window, &rect);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, rect.left, rect.bottom, 0,
                   owner_, nullptr);
    DestroyMenu(menu);
}

bool ButtonBar::MessageFilter(HWND, UINT message, WPARAM, LPARAM lParam)
{
    if (inFilter_)
        return false;
    inFilter_ = true;
    bool taken = false;
    ButtonAction run;
    switch (message) {
    case WM_MOUSEMOVE: {
        std::lock_guard<std::mutex> guard(ButtonsMutex());
        HoverUpdate();
        break;
    }
    case WM_LBUTTONDOWN: {
        BitmapButton* hit = nullptr;
        {
            std::lock_guard<std::mutex> guard(ButtonsMutex());
            leftPressed_ = true;
            HoverUpdate();
            hit = ButtonUnderPointer();
        }
        if (hit && hit->menuId) {
            ShowMenuBelow(*hit);  // a modal loop: no lock may be held here
            std::lock_guard<std::mutex> guard(ButtonsMutex());
            leftPressed_ = false;
            HoverUpdate();
            taken = true;
        } else if (hit) {
            SetCapture(owner_);
            taken = true;
        }
        break;
    }
    case WM_LBUTTONUP: {
        std::lock_guard<std::mutex> guard(ButtonsMutex());
        BitmapButton* hit = ButtonUnderPointer();
        if (hit && hit->state == ButtonState::Pressed && leftPressed_)
            run = hit->leftAction;
        leftPressed_ = false;
        HoverUpdate();
        if (GetCapture() == owner_)
            ReleaseCapture();
        break;
    }
    case WM_RBUTTONDOWN: {
        std::lock_guard<std::mutex> guard(ButtonsMutex());
        rightPressed_ = true;
        HoverUpdate();
        if (ButtonUnderPointer()) {
            SetCapture(owner_);
            taken = true;
        }
        break;
    }
    case WM_RBUTTONUP: {
        std::lock_guard<std::mutex> guard(ButtonsMutex());
        BitmapButton* hit = ButtonUnderPointer();
        if (hit && hit->state == ButtonState::Pressed && rightPressed_)
            run = hit->rightAction ? hit->rightAction : hit->leftAction;
        rightPressed_ = false;
        HoverUpdate();
        if (GetCapture() == owner_)
            ReleaseCapture();
        break;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        std::lock_guard<std::mutex> guard(ButtonsMutex());
        if (BitmapButton* button = item ? ButtonAt(item->hwndItem) : nullptr) {
            const SkinImage& image = button->images[int(ButtonImageFor(button->state, button->latched))];
            image.Draw(item->hDC, 0, 0);
            taken = true;
        }
        break;
    }
    default:
        break;
    }
    inFilter_ = false;
    if (run)
        run();  // may open dialogs: after the lock and the re-entry guard
    return taken;
}

void ButtonBar::HoverLoop()
{
    for (int pass = 1; !stop_; ++pass) {
        Sleep(kHoverPollMs);
        std::lock_guard<std::mutex> guard(ButtonsMutex());
        for (auto& button : buttons_)
            if (button->state == ButtonState::Pressed && button->heldAction)
                button->heldAction();
        if (pass % kHoverUpdateEvery == 0)
            HoverUpdate();
    }
}

}  // namespace vuv
