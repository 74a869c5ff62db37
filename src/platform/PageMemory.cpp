#include "platform/PageMemory.h"

#include <windows.h>

namespace vuv {
namespace {

// Locked a piece at a time: a process may lock only a few MB at once (the
// limit under Wine is the system's memory lock limit). A piece that cannot
// be locked is left to be brought in when touched.
constexpr size_t kPopulatePiece = 1024 * 1024;

}  // namespace

PageMemory::PageMemory(size_t bytes)
{
    data_ = VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    char* base = static_cast<char*>(data_);
    for (size_t at = 0; base && at < bytes; at += kPopulatePiece) {
        const size_t size = bytes - at < kPopulatePiece ? bytes - at : kPopulatePiece;
        if (!VirtualLock(base + at, size))
            break;
        VirtualUnlock(base + at, size);
    }
}

PageMemory::~PageMemory()
{
    if (data_)
        VirtualFree(data_, 0, MEM_RELEASE);
}

}  // namespace vuv
