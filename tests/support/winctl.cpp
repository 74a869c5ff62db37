// winctl: finds and closes top-level windows, for the scripts that run the
// editor without a person in front of it.
//   winctl wait TEXT TIMEOUT_MS    exit 0 when a visible top-level window
//                                  whose title contains TEXT exists
//   winctl close TEXT TIMEOUT_MS   sends it WM_CLOSE and waits until it is gone
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* text;
    HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lp)
{
    Search* s = reinterpret_cast<Search*>(lp);
    char title[512];
    if (IsWindowVisible(hwnd) && GetWindowTextA(hwnd, title, sizeof title) > 0 &&
        strstr(title, s->text)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindByTitle(const char* text)
{
    Search s{text, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitFor(const char* text, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND h = FindByTitle(text))
            return h;
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(100);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: winctl wait|close TEXT TIMEOUT_MS\n");
        return 1;
    }
    DWORD timeout = DWORD(strtoul(argv[3], nullptr, 10));
    HWND h = WaitFor(argv[2], timeout);
    if (!h) {
        fprintf(stderr, "winctl: no window with '%s'\n", argv[2]);
        return 2;
    }
    if (strcmp(argv[1], "wait") == 0)
        return 0;
    PostMessageA(h, WM_CLOSE, 0, 0);
    DWORD start = GetTickCount();
    while (IsWindow(h)) {
        if (GetTickCount() - start > timeout)
            return 3;
        Sleep(100);
    }
    return 0;
}
