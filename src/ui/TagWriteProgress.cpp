#include "ui/TagWriteProgress.h"

#include "platform/Clock.h"
#include "platform/Process.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <string>

namespace vuv {

namespace {

constexpr uint32_t kShowAfterMs = 1000;

}  // namespace

TagWriteProgress::TagWriteProgress(HWND owner, HINSTANCE instance)
    : owner_(owner), instance_(instance), started_(TickCountMs())
{
}

TagWriteProgress::~TagWriteProgress()
{
    if (window_)
        DestroyWindow(window_);
}

INT_PTR CALLBACK TagWriteProgress::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDC_TAG_WRITING_STOP || LOWORD(wParam) == IDCANCEL)) {
        auto* self = reinterpret_cast<TagWriteProgress*>(GetWindowLongPtrA(dialog, DWLP_USER));
        self->stopped_ = true;
        EnableWindow(GetDlgItem(dialog, IDC_TAG_WRITING_STOP), FALSE);
        return TRUE;
    }
    return FALSE;
}

bool TagWriteProgress::Step(size_t done, size_t total)
{
    if (!window_ && TickCountMs() - started_ > kShowAfterMs) {
        window_ = CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_TAG_WRITING), owner_, Proc,
                                     reinterpret_cast<LPARAM>(this));
        if (window_)
            ShowWindow(window_, SW_SHOW);
    }
    if (window_) {
        const std::string text = "Writing the ID tags: " + std::to_string(done) + " of " + std::to_string(total);
        SetDlgItemTextA(window_, IDC_TAG_WRITING_TEXT, text.c_str());
        HWND bar = GetDlgItem(window_, IDC_TAG_WRITING_BAR);
        SendMessageA(bar, PBM_SETRANGE32, 0, LPARAM(total));
        SendMessageA(bar, PBM_SETPOS, WPARAM(done), 0);
    }
    PumpMessages();
    return !stopped_;
}

}  // namespace vuv
