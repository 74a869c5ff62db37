#include "platform/Settings.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace vuv;

namespace {

bool KeyExists(const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

DWORD ValueCount(const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return DWORD(-1);
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return values;
}

}  // namespace

TEST(Settings, MissingValuesReadAsZeroAndEmptyAndReadsCreateTheKey)
{
    vuvtest::ScopedSettingsKey scope;
    const std::string sub = scope.Subkey() + "\\Fresh";
    ASSERT_FALSE(KeyExists(sub));

    EXPECT_EQ(GetNumber("Nothing", SettingsRoot::Default, sub.c_str()), 0u);
    EXPECT_TRUE(KeyExists(sub));
    EXPECT_EQ(ValueCount(sub), 0u);

    char text[16] = "garbage";
    EXPECT_FALSE(GetText(text, sizeof text, "Nothing", SettingsRoot::Default, sub.c_str()));
    EXPECT_STREQ(text, "");

    // The existence test and the deletion never create a key.
    const std::string other = scope.Subkey() + "\\Other";
    EXPECT_FALSE(ValueExists("X", SettingsRoot::Default, other.c_str()));
    EXPECT_FALSE(DeleteValue("X", SettingsRoot::Default, other.c_str()));
    EXPECT_FALSE(KeyExists(other));
}

TEST(Settings, NumbersAndTextsRoundTripUnderTheDefaultKey)
{
    vuvtest::ScopedSettingsKey scope;
    EXPECT_TRUE(SetNumber(0xDEADBEEF, "VUV2ndSortOn"));
    EXPECT_EQ(GetNumber("VUV2ndSortOn"), 0xDEADBEEFu);
    EXPECT_TRUE(SetText("C:\\Music\\Sigur R\xf3s.mcc", "ActiveMusicCollection"));
    EXPECT_EQ(GetText("ActiveMusicCollection"), "C:\\Music\\Sigur R\xf3s.mcc");
    EXPECT_TRUE(ValueExists("ActiveMusicCollection"));
    EXPECT_TRUE(DeleteValue("ActiveMusicCollection"));
    EXPECT_FALSE(ValueExists("ActiveMusicCollection"));
    EXPECT_EQ(GetText("ActiveMusicCollection"), "");

    // Stored as REG_SZ with its terminating NUL, and as REG_DWORD.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, scope.Subkey().c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
    SetText("abc", "T");
    DWORD type = 0, size = 0;
    RegQueryValueExA(key, "T", nullptr, &type, nullptr, &size);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, 4u);
    RegQueryValueExA(key, "VUV2ndSortOn", nullptr, &type, nullptr, &size);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(size, 4u);
    RegCloseKey(key);
}

TEST(Settings, TextTooLongForTheBufferReadsEmpty)
{
    vuvtest::ScopedSettingsKey scope;
    SetText("0123456789", "Long");
    char exact[11];
    EXPECT_TRUE(GetText(exact, sizeof exact, "Long"));
    EXPECT_STREQ(exact, "0123456789");
    char small[10] = "junk";
    EXPECT_FALSE(GetText(small, sizeof small, "Long"));
    EXPECT_STREQ(small, "");
}

TEST(Settings, ReadsDoNotCheckTheStoredType)
{
    vuvtest::ScopedSettingsKey scope;
    SetText("ABCDEFGH", "Text");
    EXPECT_EQ(GetNumber("Text"), 0x44434241u);  // "ABCD", little-endian
    SetText("A", "Short");
    EXPECT_EQ(GetNumber("Short"), 0x41u);
    SetNumber(0x00636261, "Number");  // "abc" and a NUL
    char text[16];
    EXPECT_TRUE(GetText(text, sizeof text, "Number"));
    EXPECT_STREQ(text, "abc");
}

TEST(Settings, DefaultValueAndOtherRoots)
{
    vuvtest::ScopedSettingsKey scope;
    const std::string sub = scope.Subkey() + "\\Skin";
    SetText("Midnight", "", SettingsRoot::CurrentUser, sub.c_str());
    char text[32];
    GetText(text, sizeof text, "", SettingsRoot::CurrentUser, sub.c_str());
    EXPECT_STREQ(text, "Midnight");
    // The explicit subkey wins over the default one; the default one is
    // untouched.
    EXPECT_FALSE(ValueExists(""));
}
