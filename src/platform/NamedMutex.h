// A Win32 mutex shared by name between processes, with a flag telling
// whether this object holds it. Every operation does nothing on a mutex
// whose creation failed.
#pragma once

#include <cstdint>

namespace vuv {

class NamedMutex {
public:
    NamedMutex() = default;
    explicit NamedMutex(const char* name, bool* existed = nullptr);
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    bool Create(const char* name, bool* existed = nullptr);
    // Waits without time-out: holders keep the mutex for one copy only.
    void Lock();
    bool TryLock();
    // Waits up to `timeoutMs`; whether this object now holds the mutex.
    bool LockWithin(uint32_t timeoutMs);
    void Unlock();
    bool IsHeld() const { return held_; }
    void Close();
    bool IsValid() const { return handle_ != nullptr; }

private:
    void* handle_ = nullptr;
    bool held_ = false;
};

}  // namespace vuv
