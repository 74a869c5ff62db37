#include "ui/AddingTracksWindow.h"

#include "platform/Process.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <atomic>

namespace vuv {

namespace {

constexpr DWORD kDetailIntervalMs = 40;

// The process's one cancel flag of adding tracks.
std::atomic<bool> g_cancel{false};

INT_PTR CALLBACK CancelProc(HWND, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
    case WM_CLOSE:
        g_cancel = true;
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

AddingTracksWindow::AddingTracksWindow(HINSTANCE instance, HWND owner)
{
    window_ = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_ADDING_TRACKS), owner, CancelProc, 0);
    if (window_) {
        SendDlgItemMessageA(window_, IDC_ADDING_PROGRESS, PBM_SETRANGE32, 0, 100);
        ShowWindow(window_, SW_SHOW);
        UpdateWindow(window_);
    }
}

AddingTracksWindow::~AddingTracksWindow()
{
    if (window_)
        DestroyWindow(window_);
}

void AddingTracksWindow::SetHeadline(const std::string& text)
{
    SetDlgItemTextA(window_, IDC_ADDING_HEADLINE, text.c_str());
}

void AddingTracksWindow::SetDetail(const std::string& text)
{
    detail_ = text;
    if (text.empty() || GetTickCount() - shownAt_ >= kDetailIntervalMs)
        ShowDetail();
}

void AddingTracksWindow::ShowDetail()
{
    if (detail_ != shownDetail_) {
        SetDlgItemTextA(window_, IDC_ADDING_DETAIL, detail_.c_str());
        shownDetail_ = detail_;
    }
    if (bar_ != shownBar_) {
        SendDlgItemMessageA(window_, IDC_ADDING_PROGRESS, PBM_SETPOS, WPARAM(bar_), 0);
        shownBar_ = bar_;
    }
    shownAt_ = GetTickCount();
}

void AddingTracksWindow::ShowBar() { ShowWindow(GetDlgItem(window_, IDC_ADDING_PROGRESS), SW_SHOW); }

void AddingTracksWindow::SetBar(int percent) { bar_ = percent; }

void AddingTracksWindow::Pump()
{
    if (GetTickCount() - shownAt_ >= kDetailIntervalMs)
        ShowDetail();
    PumpMessages();
}

bool AddingTracksWindow::CancelRequested() const { return g_cancel; }

void AddingTracksWindow::ClearCancel() { g_cancel = false; }

}  // namespace vuv
