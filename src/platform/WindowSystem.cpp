#include "platform/WindowSystem.h"

#include <windows.h>

namespace vuv {

void* WindowSystemFunction(const char* name)
{
    // A known system DLL: always the one of the system folder.
    static const HMODULE user32 = LoadLibraryA("user32.dll");
    return user32 != nullptr ? reinterpret_cast<void*>(GetProcAddress(user32, name)) : nullptr;
}

void* LoadedWindowSystemFunction(const char* name)
{
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 != nullptr ? reinterpret_cast<void*>(GetProcAddress(user32, name)) : nullptr;
}

}  // namespace vuv
