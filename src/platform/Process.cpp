#include "platform/Process.h"

#include "platform/DynamicLibrary.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/WindowSystem.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <vector>

namespace vuv {

bool RunProgram(const std::string& commandLine, bool wait)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &si, &pi))
        return false;
    if (wait)
        WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

// Without user32 in the process the thread has no window and no message
// queue: nothing to dispatch.
void PumpMessages()
{
    const auto peek = LoadedWindowSystem<decltype(&PeekMessageA)>("PeekMessageA");
    const auto translate = LoadedWindowSystem<decltype(&TranslateMessage)>("TranslateMessage");
    const auto dispatch = LoadedWindowSystem<decltype(&DispatchMessageA)>("DispatchMessageA");
    if (peek == nullptr || translate == nullptr || dispatch == nullptr)
        return;
    MSG msg;
    while (peek(&msg, nullptr, 0, 0, PM_REMOVE)) {
        translate(&msg);
        dispatch(&msg);
    }
}

std::string MakeTempFile(const std::string& prefix)
{
    char folder[MAX_PATH] = "";
    if (GetTempPathA(sizeof folder, folder) == 0)
        strcpy(folder, "C:\\Temp\\");
    std::string dir = folder;
    EnsureTrailingBackslash(dir);
    char name[MAX_PATH] = "";
    std::string path;
    if (GetTempFileNameA(dir.c_str(), prefix.c_str(), 0, name) != 0) {
        path = name;
    } else {
        char fallback[MAX_PATH];
        snprintf(fallback, sizeof fallback, "%s%s%d.tmp", dir.c_str(), prefix.c_str(),
                 int(RandomBelow(9999)));
        path = fallback;
    }
    FileHandle file;
    file.Open(path, FileAccess::Write, FileDisposition::CreateAlways, false);
    if (!file.IsOpen()) {
        CreateFolderChain(dir);
        file.Open(path, FileAccess::Write, FileDisposition::CreateAlways, false);
    }
    return file.IsOpen() ? path : std::string();
}

void DeleteTempFile(const std::string& name)
{
    if (!name.empty())
        DeleteFileA(name.c_str());
}

namespace {

// Without best-fit letters, so that a missing character shows as missing
// rather than as a look-alike that names another file.
bool HasAnsiForm(const wchar_t* wide)
{
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr,
                                         &usedDefault);
    return size > 0 && !usedDefault;
}

// The text a program's ANSI arguments show for it.
std::string AnsiForm(const wchar_t* wide)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string shown(size > 0 ? size_t(size) : 1, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, wide, -1, &shown[0], size, nullptr, nullptr);
    return shown.c_str();
}

}  // namespace

std::vector<std::string> ArgumentsWithoutAnsiForm()
{
    std::vector<std::string> lossy;
    // The whole line first: splitting it takes shell32, which loads the
    // window system with it (see WindowSystem.h).
    if (HasAnsiForm(GetCommandLineW()))
        return lossy;
    DynamicLibrary shell;
    const auto split = shell.Load("shell32.dll")
                           ? reinterpret_cast<decltype(&CommandLineToArgvW)>(shell.Symbol("CommandLineToArgvW"))
                           : nullptr;
    int count = 0;
    LPWSTR* arguments = split != nullptr ? split(GetCommandLineW(), &count) : nullptr;
    if (arguments == nullptr) {
        // Not split: the whole line stands for the argument that lost letters.
        lossy.push_back(AnsiForm(GetCommandLineW()));
        return lossy;
    }
    for (int i = 1; i < count; ++i)
        if (!HasAnsiForm(arguments[i]))
            lossy.push_back(AnsiForm(arguments[i]));
    LocalFree(arguments);
    return lossy;
}

bool IsWindowsXpFamily()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info))
        return false;
#pragma GCC diagnostic pop
    return info.dwMajorVersion == 5 && info.dwMinorVersion != 0;
}

void EndProcessNow(unsigned code)
{
    TerminateProcess(GetCurrentProcess(), code);
    ExitProcess(code);  // not reached
}

std::string OwnExecutablePath()
{
    char path[MAX_PATH] = "";
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

}  // namespace vuv
