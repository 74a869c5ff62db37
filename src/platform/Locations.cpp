#include "platform/Locations.h"

#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Settings.h"

#include <windows.h>

#include <mutex>

namespace vuv {
namespace {

std::mutex g_installLock;
std::string g_installFolder;  // empty until determined

void UpperCaseAscii(std::string& text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
}

}  // namespace

std::string InstallFolderFromExecutable(const std::string& executablePath)
{
    std::string path = executablePath;
    UpperCaseAscii(path);
    if (path.empty() || path.find("SOURCE CODE") != std::string::npos)
        return kFallbackInstallFolder;
    size_t slash = path.rfind('\\');
    path = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    if (!path.empty() && path[0] == '"')
        path.erase(0, 1);
    return path;
}

std::string GetInstallFolder(bool preferSettings)
{
    std::lock_guard<std::mutex> lock(g_installLock);
    if (!g_installFolder.empty())
        return g_installFolder;
    std::string folder;
    if (preferSettings) {
        folder = GetText("InstalledTo");
        EnsureTrailingBackslash(folder);
    } else {
        folder = InstallFolderFromExecutable(OwnExecutablePath());
    }
    folder = folder.substr(0, kMaxPath - 1);
    g_installFolder = folder;
    return folder;
}

void SetInstallFolderForRun(const std::string& folder)
{
    std::lock_guard<std::mutex> lock(g_installLock);
    g_installFolder = folder;
    EnsureTrailingBackslash(g_installFolder);
}

std::string GetWindowsUserName()
{
    char name[kMaxPath] = "";
    DWORD size = sizeof name;
    if (!GetUserNameA(name, &size) || name[0] == '\0')
        return "defuser";
    return name;
}

std::string GetUserPrefix(bool preferSettings)
{
    return GetInstallFolder(preferSettings) + GetWindowsUserName();
}

std::string GetUserFile(const char* suffix, bool preferSettings)
{
    return GetUserPrefix(preferSettings) + suffix;
}

std::string GetSuiteFolder(const char* name, bool preferSettings)
{
    return GetInstallFolder(preferSettings) + name;
}

bool GetSkinFile(const std::string& name, std::string& out)
{
    // The skin key lies below the program's settings key ("...\skin"), so
    // a test's private settings key carries its own skin choice.
    const std::string skinKey = DefaultSettingsSubkey() + "\\skin";
    const std::string active = GetText("[SetActive]", SettingsRoot::CurrentUser, skinKey.c_str());
    const std::string skins = GetInstallFolder(true) + kSkinsFolder;
    if (!active.empty()) {
        std::string path = skins + active + "\\" + name;
        if (Exists(path)) {
            out = path;
            return true;
        }
    }
    out = skins + "Default\\" + name;
    return false;
}

}  // namespace vuv
