// A fixed-size block of named shared memory ("SSharedData_<name>") guarded
// by its own named mutex ("SMutex_<name>"). A new block reads as zero bytes;
// an existing one keeps its content. Get and Set each hold the mutex for one
// whole copy only, so a read-modify-write is two separate locked steps.
// Without a view, Get leaves the destination untouched and Set writes
// nothing; both then return false.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/NamedMutex.h"

namespace vuv {



class SharedVariable {
public:
    SharedVariable() = default;
    SharedVariable(const char* name, uint32_t size, bool* ok = nullptr);
    ~SharedVariable();
    SharedVariable(const SharedVariable&) = delete;
    SharedVariable& operator=(const SharedVariable&) = delete;

    bool Create(const char* name, uint32_t size);
    // Copies exactly Size() bytes.
    bool Get(void* destination);
    bool Set(const void* source);
    // For 4-byte variables; GetU32 is 0 without a view.
    bool SetU32(uint32_t value);
    uint32_t GetU32();
    uint32_t Size() const { return size_; }
    bool IsValid() const { return view_ != nullptr; }
    void Close();

private:
    bool CopyUnderMutex(void* to, const void* from);

    void* mapping_ = nullptr;
    std::unique_ptr<NamedMutex> mutex_;
    void* view_ = nullptr;
    uint32_t size_ = 0;
    bool locked_ = false;  // true while this object holds the mutex
};

}  // namespace vuv
