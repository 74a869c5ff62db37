#include "support/TestSupport.h"

#include "platform/Paths.h"
#include "platform/Settings.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace vuvtest {
namespace {

std::string UniqueName()
{
    static long counter = 0;
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    char text[256];
    snprintf(text, sizeof text, "%s.%s.%lu.%ld", info ? info->test_suite_name() : "none",
             info ? info->name() : "none", GetCurrentProcessId(), ++counter);
    return text;
}

void DeleteTree(const std::string& folder)
{
    for (const vuv::FolderEntry& entry : vuv::FolderEntries(folder, "*")) {
        if (entry.isFolder)
            DeleteTree(entry.fullPath + "\\");
        SetFileAttributesA(entry.fullPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(entry.fullPath.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

DWORD WINAPI RunWork(void* work)
{
    (*static_cast<const std::function<void()>*>(work))();
    return 0;
}

}  // namespace

bool RunOnOtherThread(const std::function<void()>& work)
{
    HANDLE thread = CreateThread(nullptr, 0, RunWork, const_cast<std::function<void()>*>(&work), 0, nullptr);
    if (thread == nullptr)
        return false;
    const bool ended = WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return ended;
}

std::string WindowsPathFromEnv(const char* variable)
{
    const char* value = getenv(variable);
    if (!value || !*value)
        return std::string();
    std::string path = value;
    if (path[0] == '/') {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return path;
}

std::string SuiteDir()
{
    std::string dir = WindowsPathFromEnv("VUV_SUITE_DIR");
    if (!dir.empty() && dir.back() != '\\')
        dir += '\\';
    return dir;
}

std::string PrivateObjectName(const char* base)
{
    char text[96];
    snprintf(text, sizeof text, "vuvtest%lu_%s", GetCurrentProcessId(), base);
    return text;
}

ScopedSettingsKey::ScopedSettingsKey()
    : subkey_(std::string("Software\\Halvane\\TonbrookTests\\") + UniqueName())
{
    vuv::SetDefaultLocation(vuv::SettingsRoot::CurrentUser, subkey_.c_str());
}

ScopedSettingsKey::~ScopedSettingsKey()
{
    vuv::DeleteKeyTree(vuv::SettingsRoot::CurrentUser, subkey_.c_str());
    vuv::SetDefaultLocation(vuv::SettingsRoot::CurrentUser, vuv::kProgramSettingsKey);
}

ScratchFolder::ScratchFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + "vuvtest-" + UniqueName() + "\\";
    DeleteTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { DeleteTree(path_); }

int RunCaptured(const std::string& commandLine, std::string* out, std::string* err)
{
    std::wstring wide(commandLine.size() + 1, L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_ACP, 0, commandLine.c_str(), -1, &wide[0],
                                           int(wide.size()))));
    return RunCaptured(wide.empty() ? wide : wide.substr(0, wide.size() - 1), out, err);
}

int RunCaptured(const std::wstring& commandLine, std::string* out, std::string* err)
{
    ScratchFolder folder;
    const std::string outPath = folder.File("stdout.txt");
    const std::string errPath = folder.File("stderr.txt");
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outFile = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                 CREATE_ALWAYS, 0, nullptr);
    HANDLE errFile = CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                 CREATE_ALWAYS, 0, nullptr);
    int code = -1;
    if (outFile != INVALID_HANDLE_VALUE && errFile != INVALID_HANDLE_VALUE) {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        si.hStdOutput = outFile;
        si.hStdError = errFile;
        PROCESS_INFORMATION pi{};
        std::wstring line = commandLine;
        if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
            WaitForSingleObject(pi.hProcess, INFINITE);
            DWORD exitCode = 0;
            GetExitCodeProcess(pi.hProcess, &exitCode);
            code = static_cast<int>(exitCode);
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        }
    }
    if (outFile != INVALID_HANDLE_VALUE)
        CloseHandle(outFile);
    if (errFile != INVALID_HANDLE_VALUE)
        CloseHandle(errFile);
    if (out != nullptr)
        *out = ReadBytes(outPath);
    if (err != nullptr)
        *err = ReadBytes(errPath);
    return code;
}

std::string UnixPathOf(const std::string& windowsPath)
{
    using UnixNameFunction = char*(__cdecl*)(const WCHAR*);
    auto unixName = reinterpret_cast<UnixNameFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixName == nullptr)
        return std::string();
    WCHAR wide[MAX_PATH * 2];
    if (MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH * 2) == 0)
        return std::string();
    char* name = unixName(wide);
    if (name == nullptr)
        return std::string();
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int RunUnixScript(const std::string& script, std::string* output)
{
    // Wine starts a Unix program but cannot wait for it (its process handle
    // is signalled at once), so the script reports its end through a status
    // file, renamed into place when complete, and this side polls for it.
    ScratchFolder folder;
    const std::string unixFolder = UnixPathOf(folder.Path());
    if (unixFolder.empty())
        return -1;
    const std::string unix = unixFolder + "/";
    if (!WriteBytes(folder.File("script.sh"), script + "\n") ||
        !WriteBytes(folder.File("run.sh"),
                    "sh " + ShellQuoted(unix + "script.sh") + " >" + ShellQuoted(unix + "output.txt") +
                        " 2>&1\necho $? >" + ShellQuoted(unix + "status.tmp") + "\nmv " +
                        ShellQuoted(unix + "status.tmp") + " " + ShellQuoted(unix + "status.txt") + "\n"))
        return -1;
    std::string command = "Z:\\bin\\sh \"" + unix + "run.sh\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    // For a Unix program Wine gives no process handle, and the thread
    // handle's field then holds a value that is not this call's (closing it
    // would close another handle of this process).
    if (pi.hProcess) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    const std::string status = folder.File("status.txt");
    for (int waited = 0; GetFileAttributesA(status.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 10) {
        if (waited > 300000)
            return -1;
        Sleep(10);
    }
    if (output != nullptr)
        *output = ReadBytes(folder.File("output.txt"));
    return atoi(ReadBytes(status).c_str());
}

bool SetReadOnly(const std::string& path, bool readOnly)
{
    return SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool IsReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string WithId3v2SizeClaim(std::string bytes, uint32_t claimed)
{
    for (int i = 0; i < 4 && bytes.size() >= 10; ++i)
        bytes[6 + i] = char((claimed >> (7 * (3 - i))) & 0x7F);
    return bytes;
}

uint32_t Id3v2SizeOf(const std::string& bytes)
{
    uint32_t size = 0;
    for (int i = 0; i < 4 && bytes.size() >= 10; ++i)
        size = (size << 7) | (uint8_t(bytes[6 + i]) & 0x7F);
    return size;
}

}  // namespace vuvtest
