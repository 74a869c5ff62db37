#include "e2e/EditorDriver.h"

#include "platform/Locations.h"
#include "support/TestSupport.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace vuvtest {

namespace {

constexpr const char* kProgramKey = "Software\\Halvane\\Tonbrook";

// A visible top-level window of the process, of the class (when given),
// whose title `matches`.
template <typename Match>
HWND FindProcessWindow(DWORD processId, const char* className, Match matches)
{
    for (HWND h = FindWindowExA(nullptr, nullptr, className, nullptr); h; h = FindWindowExA(nullptr, h, className, nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        char title[1024] = "";
        if (pid == processId && IsWindowVisible(h) && (GetWindowTextA(h, title, sizeof title), matches(title)))
            return h;
    }
    return nullptr;
}

}  // namespace

Editor::~Editor()
{
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

std::string EditorLinkPrefix()
{
    return "vuvtest-e2e-" + std::to_string(GetCurrentProcessId()) + "-";
}

namespace {

bool Launch(const std::string& arguments, PROCESS_INFORMATION& process)
{
    SetEnvironmentVariableA("VUV_LINK_PREFIX", EditorLinkPrefix().c_str());
    const std::string exe = SuiteDir() + "Vuv.exe";
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &process) != FALSE;
}

}  // namespace

int Editor::RunToEnd(const std::string& arguments) { return Launch(arguments, process_) ? WaitForEnd() : -1; }

bool Editor::StartProcess(const std::string& arguments) { return Launch(arguments, process_); }

int Editor::WaitForEnd()
{
    DWORD code = DWORD(-1);
    if (process_.hProcess && WaitForSingleObject(process_.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process_.hProcess, &code);
    return int(code);
}

bool Editor::Start(const std::string& arguments, const char* windowTitle)
{
    if (!Launch(arguments, process_))
        return false;
    // The main window, or the one titled `windowTitle`.
    const auto wanted = [windowTitle](const std::string& title) {
        return windowTitle ? title == windowTitle : title.rfind("Tonbrook - Music Collection", 0) == 0;
    };
    WaitFor([&] { return (window_ = FindProcessWindow(process_.dwProcessId, nullptr, wanted)) != nullptr; }, 30000);
    // The main window's creation ends with the collection loaded, which
    // gives the title its collection name; then the first paint.
    if (window_ && !windowTitle)
        WaitFor([this] { return WindowText(window_).find('\'') != std::string::npos; }, 30000);
    Pause(windowTitle ? 1000 : 1500);
    return window_ != nullptr;
}

int Editor::Close()
{
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return WaitForEnd();
}

void SetProgramNumber(const char* name, DWORD value)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, kProgramKey, name, REG_DWORD, &value, sizeof value);
}

bool ProgramNumber(const char* name, DWORD* value)
{
    DWORD size = sizeof *value;
    return RegGetValueA(HKEY_CURRENT_USER, kProgramKey, name, RRF_RT_REG_DWORD, nullptr, value, &size) ==
           ERROR_SUCCESS;
}

void SetProgramText(const char* name, const std::string& value)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, kProgramKey, name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

void DeleteProgramValue(const char* name) { RegDeleteKeyValueA(HKEY_CURRENT_USER, kProgramKey, name); }

void ClearEditorSettings()
{
    for (const char* name : {"VUV-X", "VUV-Y", "VUV-W", "VUV-H", "VUV-Iconic", "VUV-Start", "EditorLocked",
                             "VUVNoPopupInfoTips", "ActiveMusicCollection", "ArrangeRoot", "Arrangement",
                             "RdlLastFileCreation0", "TbpExportLayout", "TbpExportTop", "TbpExportBottom",
                             "TbpExportNoArtistTitle", "TbpExportBeforeArtist", "TbpExportAfterArtist",
                             "TbpExportNoAlbumTitle", "TbpExportBeforeAlbum", "TbpExportAfterAlbum",
                             "TbpExportCopyToClip", "TbpExportHTML", "DefaultSearchSubFolders", "VUV2ndSortOn",
                             "EditorSelectivePlay", "LastAccessedFolder"})
        DeleteProgramValue(name);
    DeleteFileA(SuiteUserFile(".dps").c_str());
    DeleteFileA(SuiteUserFile(".dpc").c_str());
    char name[32];
    for (int i = 0; i < 18; ++i) {
        std::snprintf(name, sizeof name, "VUV-ColumnOdr%d", i);
        DeleteProgramValue(name);
        std::snprintf(name, sizeof name, "VUV-ColumnW%d", i);
        DeleteProgramValue(name);
    }
}

std::string SuiteUserFile(const char* suffix)
{
    return SuiteDir() + vuv::GetWindowsUserName() + suffix;
}

bool WriteCollection(const std::string& manifestPath, const std::string& collectionPath,
                     const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    if (!WriteBytes(manifestPath, text))
        return false;
    return RunCaptured("\"" + SuiteDir() + "vuvtool.exe\" demo-collection \"" + manifestPath + "\" \"" + collectionPath +
                           "\"",
                       nullptr) == 0;
}

namespace {

Capture CaptureScreen(int left, int top, int width, int height)
{
    Capture capture;
    const POINT origin{left, top};
    capture.width = width;
    capture.height = height;
    if (capture.width <= 0 || capture.height <= 0)
        return capture;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, capture.width, capture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> raw(size_t(capture.width) * capture.height);
    GetDIBits(memory, bitmap, 0, UINT(capture.height), raw.data(), &info, DIB_RGB_COLORS);
    capture.pixels.resize(raw.size());
    for (size_t i = 0; i < raw.size(); ++i)
        capture.pixels[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

}  // namespace

HWND WaitForProcessWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = FindProcessWindow(processId, className, [title](const std::string& t) { return !title || t == title; });
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::string WindowText(HWND window)
{
    char text[1024] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, nullptr);
    return text;
}

bool WaitForText(HWND window, const std::string& text, DWORD timeoutMs)
{
    return WaitFor([&] { return WindowText(window) == text; }, timeoutMs);
}

Capture CaptureClient(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return CaptureScreen(origin.x, origin.y, client.right, client.bottom);
}

Capture CaptureWindow(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return CaptureScreen(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

bool SavePng(const Capture& c, const std::string& path)
{
    if (c.width <= 0)
        return false;
    // Raw 8-bit RGB rows, top first, turned into PNG by ImageMagick's convert.
    std::string rgb;
    for (COLORREF pixel : c.pixels)
        rgb += {char(GetRValue(pixel)), char(GetGValue(pixel)), char(GetBValue(pixel))};
    const std::string temp = path + ".rgb", size = std::to_string(c.width) + "x" + std::to_string(c.height);
    const bool ok = WriteBytes(temp, rgb) && RunUnixScript("convert -size " + size + " -depth 8 rgb:" +
                                                           ShellQuoted(UnixPathOf(temp)) + " " +
                                                           ShellQuoted(UnixPathOf(path))) == 0;
    DeleteFileA(temp.c_str());
    return ok;
}

std::string ScreenshotDir()
{
    std::string dir = WindowsPathFromEnv("VUV_SCREENSHOT_DIR");
    if (dir.empty())
        return dir;
    if (dir.back() != '\\')
        dir += '\\';
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

void SaveScreenshot(HWND window, const char* name)
{
    if (!ScreenshotDir().empty()) {
        // Paints what is pending (the window's thread paints it before this
        // returns), so that a window just opened is captured whole.
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pause(200);
        SaveScreenshot(IsZoomed(window) ? CaptureClient(window) : CaptureWindow(window), name);
    }
}

void SaveScreenshot(const Capture& capture, const char* name)
{
    const std::string dir = ScreenshotDir();
    if (!dir.empty()) {
        EXPECT_TRUE(SavePng(capture, dir + name)) << name;
    }
}

void Pause(DWORD ms)
{
    for (DWORD waited = 0; waited < ms; waited += 20) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(20);
    }
}

void ClickAt(HWND control, int x, int y, WPARAM keys)
{
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, y));
    PostMessageA(control, WM_LBUTTONUP, keys, MAKELPARAM(x, y));
    Pause(400);
}

int TrackRowY(HWND list, int row)
{
    RECT header{};
    GetClientRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &header);
    return header.bottom + row * 18 + 9;
}

}  // namespace vuvtest
