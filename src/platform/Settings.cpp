#include "platform/Settings.h"

#include <windows.h>

#include <mutex>
#include <vector>

namespace vuv {
namespace {

std::mutex g_locationLock;
SettingsRoot g_defaultRoot = SettingsRoot::CurrentUser;
std::string g_defaultSubkey = kProgramSettingsKey;

struct Location {
    HKEY root;
    std::string subkey;
};

Location Resolve(SettingsRoot root, const char* subkey)
{
    std::lock_guard<std::mutex> lock(g_locationLock);
    if (root == SettingsRoot::Default)
        root = g_defaultRoot;
    Location loc;
    loc.root = root == SettingsRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
    loc.subkey = subkey ? std::string(subkey) : g_defaultSubkey;
    return loc;
}

// An open registry key that closes itself.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool Create(const Location& loc, REGSAM access)
    {
        Close();
        return RegCreateKeyExA(loc.root, loc.subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               access, nullptr, &key_, nullptr) == ERROR_SUCCESS;
    }
    bool Open(const Location& loc, REGSAM access)
    {
        Close();
        return RegOpenKeyExA(loc.root, loc.subkey.c_str(), 0, access, &key_) == ERROR_SUCCESS;
    }
    HKEY get() const { return key_; }
    void Close()
    {
        if (key_)
            RegCloseKey(key_);
        key_ = nullptr;
    }

private:
    HKEY key_ = nullptr;
};

}  // namespace

void SetDefaultLocation(SettingsRoot root, const char* subkey)
{
    std::lock_guard<std::mutex> lock(g_locationLock);
    g_defaultRoot = root == SettingsRoot::Default ? SettingsRoot::CurrentUser : root;
    g_defaultSubkey = subkey ? std::string(subkey).substr(0, 259) : std::string(kProgramSettingsKey);
}

std::string DefaultSettingsSubkey()
{
    std::lock_guard<std::mutex> lock(g_locationLock);
    return g_defaultSubkey;
}

uint32_t GetNumber(const char* name, SettingsRoot root, const char* subkey)
{
    RegKey key;
    if (!key.Create(Resolve(root, subkey), KEY_READ))
        return 0;
    // The stored type is not checked: whatever the value holds, its first
    // four bytes are the number. A longer value is read whole first, since a
    // short read leaves the buffer undefined.
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return 0;
    std::vector<BYTE> data(size < 4 ? 4 : size, 0);
    DWORD got = size;
    if (RegQueryValueExA(key.get(), name, nullptr, nullptr, data.data(), &got) != ERROR_SUCCESS)
        return 0;
    return uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16 |
           uint32_t(data[3]) << 24;
}

bool SetNumber(uint32_t value, const char* name, SettingsRoot root, const char* subkey)
{
    RegKey key;
    if (!key.Create(Resolve(root, subkey), KEY_WRITE))
        return false;
    DWORD v = value;
    return RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v),
                          sizeof v) == ERROR_SUCCESS;
}

bool GetText(char* buffer, size_t size, const char* name, SettingsRoot root, const char* subkey)
{
    if (!buffer || size == 0)
        return false;
    ZeroMemory(buffer, size);
    RegKey key;
    if (!key.Create(Resolve(root, subkey), KEY_READ))
        return false;
    DWORD got = DWORD(size);
    if (RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                         &got) != ERROR_SUCCESS) {
        ZeroMemory(buffer, size);
        return false;
    }
    if (got >= size && buffer[size - 1] != '\0') {
        // Filled to the brim without a terminator: too long for the caller.
        ZeroMemory(buffer, size);
        return false;
    }
    return true;
}

std::string GetText(const char* name, SettingsRoot root, const char* subkey)
{
    char buffer[1024];
    GetText(buffer, sizeof buffer, name, root, subkey);
    return buffer;
}

bool SetText(const char* text, const char* name, SettingsRoot root, const char* subkey)
{
    RegKey key;
    if (!key.Create(Resolve(root, subkey), KEY_WRITE))
        return false;
    const char* t = text ? text : "";
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(t),
                          DWORD(strlen(t) + 1)) == ERROR_SUCCESS;
}

bool ValueExists(const char* name, SettingsRoot root, const char* subkey)
{
    RegKey key;
    if (!key.Open(Resolve(root, subkey), KEY_READ))
        return false;
    return RegQueryValueExA(key.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool DeleteValue(const char* name, SettingsRoot root, const char* subkey)
{
    RegKey key;
    if (!key.Open(Resolve(root, subkey), KEY_ALL_ACCESS))
        return false;
    return RegDeleteValueA(key.get(), name) == ERROR_SUCCESS;
}

bool DeleteKeyTree(SettingsRoot root, const char* subkey)
{
    Location loc = Resolve(root, subkey);
    return RegDeleteTreeA(loc.root, loc.subkey.c_str()) == ERROR_SUCCESS;
}

}  // namespace vuv
