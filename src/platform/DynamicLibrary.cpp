#include "platform/DynamicLibrary.h"

#include <windows.h>

#include <utility>

namespace vuv {

DynamicLibrary::~DynamicLibrary() { Unload(); }

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : module_(std::exchange(other.module_, nullptr))
{
}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept
{
    if (this != &other) {
        Unload();
        module_ = std::exchange(other.module_, nullptr);
    }
    return *this;
}

bool DynamicLibrary::Load(const std::string& path)
{
    Unload();
    // A DLL with a missing dependency would otherwise show a system box.
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    module_ = LoadLibraryA(path.c_str());
    SetErrorMode(previous);
    return module_ != nullptr;
}

void DynamicLibrary::Unload()
{
    if (module_ != nullptr) {
        FreeLibrary(static_cast<HMODULE>(module_));
        module_ = nullptr;
    }
}

void* DynamicLibrary::Symbol(const char* name) const
{
    if (module_ == nullptr || name == nullptr)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module_), name));
}

}  // namespace vuv
