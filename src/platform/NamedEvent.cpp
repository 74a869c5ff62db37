#include "platform/NamedEvent.h"

#include <windows.h>

namespace vuv {

NamedEvent::NamedEvent(const char* name, bool* existed) { Create(name, existed); }

NamedEvent::~NamedEvent() { Close(); }

NamedEvent::NamedEvent(NamedEvent&& other) noexcept : handle_(other.handle_)
{
    other.handle_ = nullptr;
}

NamedEvent& NamedEvent::operator=(NamedEvent&& other) noexcept
{
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

bool NamedEvent::Create(const char* name, bool* existed)
{
    Close();
    handle_ = CreateEventA(nullptr, TRUE, FALSE, name);
    if (existed)
        *existed = handle_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    return handle_ != nullptr;
}

void NamedEvent::Set()
{
    if (handle_)
        SetEvent(handle_);
}

void NamedEvent::Reset()
{
    if (handle_)
        ResetEvent(handle_);
}

bool NamedEvent::IsSet() const
{
    return handle_ != nullptr && WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0;
}

bool NamedEvent::Toggle()
{
    if (IsSet()) {
        Reset();
        return false;
    }
    Set();
    return IsSet();
}

void NamedEvent::Close()
{
    if (handle_) {
        CloseHandle(handle_);
        handle_ = nullptr;
    }
}

}  // namespace vuv
