#include "ui/FileCreationWindow.h"

#include "naming/FilenamePattern.h"
#include "naming/PatternEditor.h"
#include "platform/Paths.h"
#include "ui/PropertyList.h"

#include <cstring>

namespace vuv {

namespace {

constexpr const char* kClassName = "clsFCDialog";
constexpr int kWidth = 440, kHeight = 435;
constexpr int kPatternId = 1101;
constexpr int kExampleId = 1102;
constexpr DWORD kLoopSleepMs = 50;

// The elements as the window lists them, and the predefined patterns.
constexpr const char* kListedTokens[] = {"[album]", "[artist]", "[genre]", "[length]", "[track]",
                                         "[track number]", "[track number xx]", "[unique]", "[year]"};
constexpr const char* kPredefined[] = {
    "[album]",
    "[artist] - [track]",
    "[artist] - [track] ([album])",
    "[track number xx] [artist] - [track]",
    "[artist]\\[artist] - [track]",
    "[artist]\\[album]\\[artist] - [track]",
    "[artist]\\[album]\\[track number xx] [artist] - [track]",
};

struct FileCreation {
    HWND window = nullptr;
    HWND pattern = nullptr;
    HWND example = nullptr;
    HFONT font = nullptr;
    PropertyList elements;
    PropertyList predefined;
    bool done = false;
    bool confirmed = false;
};

FileCreation* g_open = nullptr;

std::string TextOf(HWND window)
{
    char text[kPathTextSize] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void ShowExample(FileCreation& fc, const std::string& pattern)
{
    SetWindowTextA(fc.example, PatternExample(pattern).c_str());
}

void SetPattern(FileCreation& fc, std::string pattern)
{
    if (pattern.size() >= kPathTextSize)
        pattern.resize(kPathTextSize - 1);
    SetWindowTextA(fc.pattern, pattern.c_str());
    ShowExample(fc, pattern);
}

// Typing: forbidden characters are taken out at once, with a beep.
void OnTyped(FileCreation& fc)
{
    const std::string typed = TextOf(fc.pattern);
    std::string kept = typed;
    if (RemoveForbiddenCharacters(kept)) {
        DWORD caret = 0;
        SendMessageA(fc.pattern, CB_GETEDITSEL, 0, reinterpret_cast<LPARAM>(&caret));
        std::string before = typed.substr(0, caret);
        RemoveForbiddenCharacters(before);
        SetWindowTextA(fc.pattern, kept.c_str());
        SendMessageA(fc.pattern, CB_SETEDITSEL, 0, MAKELPARAM(before.size(), before.size()));
        MessageBeep(MB_ICONASTERISK);
    }
    ShowExample(fc, kept);
}

void OnPatternNotice(FileCreation& fc, WORD code)
{
    switch (code) {
    case CBN_EDITCHANGE:
        OnTyped(fc);
        break;
    case CBN_DROPDOWN: {
        const std::string text = TextOf(fc.pattern);
        SendMessageA(fc.pattern, CB_RESETCONTENT, 0, 0);
        for (const std::string& entry : PatternHistory())
            SendMessageA(fc.pattern, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        SetWindowTextA(fc.pattern, text.c_str());
        break;
    }
    case CBN_SELCHANGE: {
        const LRESULT chosen = SendMessageA(fc.pattern, CB_GETCURSEL, 0, 0);
        char text[kPathTextSize] = "";
        if (chosen >= 0 && SendMessageA(fc.pattern, CB_GETLBTEXTLEN, WPARAM(chosen), 0) < LRESULT(sizeof text)) {
            SendMessageA(fc.pattern, CB_GETLBTEXT, WPARAM(chosen), reinterpret_cast<LPARAM>(text));
            ShowExample(fc, text);
        }
        break;
    }
    default:
        break;
    }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    FileCreation* fc = g_open && g_open->window == hwnd ? g_open : nullptr;
    if (fc && (fc->elements.MessageFilter(hwnd, message, wParam, lParam) ||
               fc->predefined.MessageFilter(hwnd, message, wParam, lParam)))
        return TRUE;
    switch (message) {
    case WM_CLOSE:
        return 0;  // only "Ok" and "Cancel" end the window
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
        if (!fc)
            break;
        if (LOWORD(wParam) == kPatternId) {
            OnPatternNotice(*fc, HIWORD(wParam));
        } else if ((LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && HIWORD(wParam) == BN_CLICKED) {
            fc->confirmed = LOWORD(wParam) == IDOK;
            fc->done = true;
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSA wc{};
    if (GetClassInfoA(instance, kClassName, &wc))
        return true;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

void CreateControls(FileCreation& fc, HINSTANCE instance)
{
    fc.font = CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    SendMessageA(fc.window, WM_SETFONT, reinterpret_cast<WPARAM>(fc.font), FALSE);
    auto control = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
        HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, fc.window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(fc.font), FALSE);
        return c;
    };
    control("STATIC", "File Creation", SS_NOPREFIX, 12, 16, 68, 14, -1);
    fc.pattern = control("COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 82, 12, 340, 200,
                         kPatternId);
    SendMessageA(fc.pattern, CB_LIMITTEXT, kPathTextSize - 1, 0);
    fc.example = control("STATIC", "", SS_NOPREFIX | SS_ENDELLIPSIS, 12, 44, 400, 16, kExampleId);
    control("STATIC", "Filename Elements (Insert by double clicking)", SS_NOPREFIX, 12, 70, 400, 14, -1);
    control("STATIC", "Predefined (Set by double clicking)", SS_NOPREFIX, 12, 248, 400, 14, -1);

    PropertyListLayout layout;
    layout.nameWidth = 175;
    layout.x = 10, layout.y = 86, layout.width = 420, layout.height = 150;
    fc.elements.Create(fc.window, instance, layout);
    for (const char* token : kListedTokens)
        for (const PatternElement& e : kPatternElements)
            if (strcmp(e.token, token) == 0)
                fc.elements.AddRow({token, e.help, PropertyKind::ReadOnly});
    fc.elements.SetDoubleClickHandler([&fc](int row) {
        SetPattern(fc, TextOf(fc.pattern) + fc.elements.Row(row).name);
    });
    layout.y = 264, layout.height = 100;
    fc.predefined.Create(fc.window, instance, layout);
    for (const char* pattern : kPredefined)
        fc.predefined.AddRow({pattern, SamplePathFor(pattern), PropertyKind::ReadOnly});
    fc.predefined.SetDoubleClickHandler([&fc](int row) { SetPattern(fc, fc.predefined.Row(row).name); });

    control("BUTTON", "Ok", BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 371, 90, 28, IDOK);
    control("BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 220, 371, 90, 28, IDCANCEL);
}

}  // namespace

bool EditPattern(HWND owner, std::string& pattern, const std::string& title)
{
    if (g_open)
        return false;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterWindowClass(instance))
        return false;
    RECT desk{};
    GetClientRect(GetDesktopWindow(), &desk);
    FileCreation fc;
    g_open = &fc;
    fc.window = CreateWindowExA(0, kClassName, title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                (desk.right - kWidth) / 2, (desk.bottom - kHeight) / 2, kWidth, kHeight, owner,
                                nullptr, instance, nullptr);
    if (!fc.window) {
        g_open = nullptr;
        return false;
    }
    CreateControls(fc, instance);
    SetPattern(fc, pattern);
    if (owner)
        EnableWindow(owner, FALSE);
    ShowWindow(fc.window, SW_SHOW);
    SetFocus(fc.pattern);

    while (!fc.done) {
        MSG msg;
        while (!fc.done && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));  // for the loop outside
                fc.done = true;
                break;
            }
            if (!IsDialogMessageA(fc.window, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (!fc.done)
            Sleep(kLoopSleepMs);
    }

    if (fc.confirmed) {
        pattern = TextOf(fc.pattern);
        RememberPattern(pattern);
    }
    // The owner first, so that it becomes the active window again.
    if (owner)
        EnableWindow(owner, TRUE);
    fc.elements.Destroy();
    fc.predefined.Destroy();
    DestroyWindow(fc.window);
    DeleteObject(fc.font);
    g_open = nullptr;
    return fc.confirmed;
}

}  // namespace vuv
