#include "platform/NamedMutex.h"

#include <windows.h>

namespace vuv {

NamedMutex::NamedMutex(const char* name, bool* existed) { Create(name, existed); }

NamedMutex::~NamedMutex() { Close(); }

bool NamedMutex::Create(const char* name, bool* existed)
{
    Close();
    handle_ = CreateMutexA(nullptr, FALSE, name);
    if (existed)
        *existed = handle_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    return handle_ != nullptr;
}

void NamedMutex::Lock()
{
    if (!handle_)
        return;
    // A holder that died leaves the mutex abandoned; the wait still owns it.
    WaitForSingleObject(handle_, INFINITE);
    held_ = true;
}

bool NamedMutex::TryLock() { return LockWithin(0); }

bool NamedMutex::LockWithin(uint32_t timeoutMs)
{
    if (!handle_)
        return false;
    // A holder that died leaves the mutex abandoned; the wait owns it then.
    const DWORD r = WaitForSingleObject(handle_, timeoutMs);
    if (r != WAIT_OBJECT_0 && r != WAIT_ABANDONED)
        return false;
    held_ = true;
    return true;
}

void NamedMutex::Unlock()
{
    if (!handle_)
        return;
    ReleaseMutex(handle_);
    held_ = false;
}

void NamedMutex::Close()
{
    if (handle_) {
        if (held_)
            ReleaseMutex(handle_);
        CloseHandle(handle_);
        handle_ = nullptr;
        held_ = false;
    }
}

}  // namespace vuv
