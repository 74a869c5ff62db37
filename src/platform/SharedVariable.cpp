#include "platform/SharedVariable.h"

#include "platform/NamedMutex.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace vuv {

SharedVariable::SharedVariable(const char* name, uint32_t size, bool* ok)
{
    const bool created = Create(name, size);
    if (ok)
        *ok = created;
}

SharedVariable::~SharedVariable() { Close(); }

bool SharedVariable::Create(const char* name, uint32_t size)
{
    Close();
    size_ = size;
    char objectName[300];
    snprintf(objectName, sizeof objectName, "SMutex_%s", name);
    mutex_ = std::make_unique<NamedMutex>(objectName);
    snprintf(objectName, sizeof objectName, "SSharedData_%s", name);
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size,
                                  objectName);
    if (mapping_)
        view_ = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, 0);
    return mapping_ != nullptr && view_ != nullptr;
}

// Copies between the view and the caller's buffer (a null `to` or `from`
// stands for the view) under the variable's mutex, unless this object holds
// it already.
bool SharedVariable::CopyUnderMutex(void* to, const void* from)
{
    if (!mutex_)
        return false;
    const bool took = !locked_;
    if (took) {
        mutex_->Lock();
        locked_ = true;
    }
    const bool ok = view_ != nullptr;
    if (ok)
        memcpy(to ? to : view_, from ? from : view_, size_);
    if (took) {
        mutex_->Unlock();
        locked_ = false;
    }
    return ok;
}

bool SharedVariable::Get(void* destination) { return CopyUnderMutex(destination, nullptr); }

bool SharedVariable::Set(const void* source) { return CopyUnderMutex(nullptr, source); }

bool SharedVariable::SetU32(uint32_t value)
{
    return size_ == sizeof value && Set(&value);
}

uint32_t SharedVariable::GetU32()
{
    uint32_t value = 0;
    if (size_ == sizeof value)
        Get(&value);
    return value;
}

void SharedVariable::Close()
{
    if (view_) {
        UnmapViewOfFile(view_);
        view_ = nullptr;
    }
    if (mapping_) {
        CloseHandle(mapping_);
        mapping_ = nullptr;
    }
    mutex_.reset();
    locked_ = false;
}

}  // namespace vuv
