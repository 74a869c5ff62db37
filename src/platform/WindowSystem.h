// user32, the window system's library, loaded the first time a window, a
// message box or the clipboard is really needed. A console program that
// never shows one (vuvtool) then neither imports nor loads it: loading user32
// connects the process to the window system, about 35 ms of every run under
// Wine. The editor imports user32 anyway; for it these cost one look-up.
//
// Only platform/ calls these; the rest of the program uses the wrappers.
#pragma once

namespace vuv {

// The address of a user32 export, user32 loaded on the first call (it stays
// loaded). Null when it cannot be loaded or lacks the export.
void* WindowSystemFunction(const char* name);

// The same when user32 is loaded already, and null (without loading it)
// otherwise: for work that has nothing to do while the process has no
// window, such as dispatching the thread's messages.
void* LoadedWindowSystemFunction(const char* name);

// Typed forms: `Function` is the declared type of the export, such as
// decltype(&MessageBoxA), so that the calling convention comes with it.
template <class Function>
Function WindowSystem(const char* name)
{
    return reinterpret_cast<Function>(WindowSystemFunction(name));
}
template <class Function>
Function LoadedWindowSystem(const char* name)
{
    return reinterpret_cast<Function>(LoadedWindowSystemFunction(name));
}

}  // namespace vuv
