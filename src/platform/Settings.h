// The settings store: named 32-bit numbers and texts in the registry under
// the program's settings key. Each call opens the key, does one access and
// closes it again; nothing is cached. Failures are never shown to the user:
// reads fall back to 0 or the empty text, writes report only by their result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vuv {

enum class SettingsRoot { Default, CurrentUser, ClassesRoot };

constexpr const char* kProgramSettingsKey = "Software\\Halvane\\Tonbrook";

// Sets the program-wide default root and subkey (start-up does this first).
// A subkey of more than 259 characters is cut.
void SetDefaultLocation(SettingsRoot root, const char* subkey);
std::string DefaultSettingsSubkey();

// `root` Default and a null `subkey` mean the program-wide defaults.
// GetNumber creates the key (empty) when it does not exist; 0 when the value
// cannot be read. A text value reads as its first 4 bytes, little-endian.
uint32_t GetNumber(const char* name, SettingsRoot root = SettingsRoot::Default,
                   const char* subkey = nullptr);
bool SetNumber(uint32_t value, const char* name, SettingsRoot root = SettingsRoot::Default,
               const char* subkey = nullptr);

// Reads at most `size` bytes into `buffer`, which is cleared first and holds
// the empty text on any failure (also when the value is longer than `size`).
// An empty `name` reads the key's default value.
bool GetText(char* buffer, size_t size, const char* name,
             SettingsRoot root = SettingsRoot::Default, const char* subkey = nullptr);
std::string GetText(const char* name, SettingsRoot root = SettingsRoot::Default,
                    const char* subkey = nullptr);
bool SetText(const char* text, const char* name, SettingsRoot root = SettingsRoot::Default,
             const char* subkey = nullptr);

// Neither of these creates the key.
bool ValueExists(const char* name, SettingsRoot root = SettingsRoot::Default,
                 const char* subkey = nullptr);
bool DeleteValue(const char* name, SettingsRoot root = SettingsRoot::Default,
                 const char* subkey = nullptr);

// Removes a whole key and everything below it (tests and clean-up only).
bool DeleteKeyTree(SettingsRoot root, const char* subkey);

}  // namespace vuv
