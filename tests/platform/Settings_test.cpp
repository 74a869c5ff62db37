#include "platform/Settings.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace vuv;

namespace {

// The value's registry type and size, or 0 when the key or value is missing.
DWORD TypeAndSize(const std::string& subkey, const char* name, DWORD* size)
{
    DWORD type = 0;
    *size = 0;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, name, nullptr, &type, nullptr, size);
        RegCloseKey(key);
    }
    return type;
}

bool KeyExists(const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

TEST(Settings, MissingValuesReadAsZeroAndEmptyAndOnlyReadsCreateTheKey)
{
    vuvtest::ScopedSettingsKey scope;
    const std::string fresh = scope.Subkey() + "\\Fresh", other = scope.Subkey() + "\\Other";
    EXPECT_EQ(GetNumber("Nothing", SettingsRoot::Default, fresh.c_str()), 0u);
    EXPECT_TRUE(KeyExists(fresh));
    char text[16] = "garbage";
    EXPECT_FALSE(GetText(text, sizeof text, "Nothing", SettingsRoot::Default, fresh.c_str()));
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(ValueExists("X", SettingsRoot::Default, other.c_str()));
    EXPECT_FALSE(DeleteValue("X", SettingsRoot::Default, other.c_str()));
    EXPECT_FALSE(KeyExists(other));
}

TEST(Settings, NumbersAndTextsRoundTripAsDwordAndTerminatedText)
{
    vuvtest::ScopedSettingsKey scope;
    EXPECT_TRUE(SetNumber(0xDEADBEEF, "VUV2ndSortOn"));
    EXPECT_EQ(GetNumber("VUV2ndSortOn"), 0xDEADBEEFu);
    EXPECT_TRUE(SetText("C:\\Music\\Sigur R\xf3s.mcc", "ActiveMusicCollection"));
    EXPECT_EQ(GetText("ActiveMusicCollection"), "C:\\Music\\Sigur R\xf3s.mcc");
    EXPECT_TRUE(DeleteValue("ActiveMusicCollection"));
    EXPECT_FALSE(ValueExists("ActiveMusicCollection"));
    DWORD size = 0;
    SetText("abc", "T");
    EXPECT_EQ(TypeAndSize(scope.Subkey(), "T", &size), DWORD(REG_SZ));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(TypeAndSize(scope.Subkey(), "VUV2ndSortOn", &size), DWORD(REG_DWORD));
    EXPECT_EQ(size, 4u);

    // The explicit subkey's default value; the program's key is untouched.
    const std::string skin = scope.Subkey() + "\\Skin";
    SetText("Midnight", "", SettingsRoot::CurrentUser, skin.c_str());
    EXPECT_EQ(GetText("", SettingsRoot::CurrentUser, skin.c_str()), "Midnight");
    EXPECT_FALSE(ValueExists(""));
}

TEST(Settings, TooLongTextsReadEmptyAndReadsDoNotCheckTheType)
{
    vuvtest::ScopedSettingsKey scope;
    SetText("0123456789", "Long");
    char exact[11], small[10] = "junk";
    EXPECT_TRUE(GetText(exact, sizeof exact, "Long"));
    EXPECT_STREQ(exact, "0123456789");
    EXPECT_FALSE(GetText(small, sizeof small, "Long"));
    EXPECT_STREQ(small, "");
    EXPECT_EQ(GetNumber("Long"), 0x33323130u);  // "0123", little-endian
    SetText("A", "Short");
    EXPECT_EQ(GetNumber("Short"), 0x41u);
    SetNumber(0x00636261, "Number");  // "abc" and a NUL
    EXPECT_EQ(GetText("Number"), "abc");
}
