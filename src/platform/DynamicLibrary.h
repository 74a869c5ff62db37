// A DLL loaded by full path, unloaded when the object goes. Used for the
// input plug-ins, which the program calls through named exports.
#pragma once

#include <string>

namespace vuv {

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Loads the DLL (unloading any earlier one). No error box is shown for a
    // DLL that cannot be loaded; the result says whether it loaded.
    bool Load(const std::string& path);
    void Unload();
    bool Loaded() const { return module_ != nullptr; }

    // The address of an export by name, or null.
    void* Symbol(const char* name) const;

private:
    void* module_ = nullptr;  // HMODULE
};

}  // namespace vuv
