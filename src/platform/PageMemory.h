// A large block of memory straight from the system's virtual memory, its
// pages made present in one go. Under a virtual machine the first touch of
// each fresh 4 KB page costs several µs, which is most of loading a large
// collection; having the system bring in a whole range at once (by locking
// and unlocking it) costs about half of touching its pages one by one.
#pragma once

#include <cstddef>

namespace vuv {

class PageMemory {
public:
    // `bytes` of zeroed memory; Data() is null when the system refused.
    explicit PageMemory(size_t bytes);
    ~PageMemory();
    PageMemory(const PageMemory&) = delete;
    PageMemory& operator=(const PageMemory&) = delete;

    void* Data() const { return data_; }

private:
    void* data_ = nullptr;
};

}  // namespace vuv
