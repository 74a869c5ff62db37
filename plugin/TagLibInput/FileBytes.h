// Raw reads of a file that TagLib has open, for the layout checks, and the
// byte orders of the containers' size fields. Reads past the end give fewer
// bytes; numbers read past the end are 0.
#pragma once

#include <cstdint>
#include <cstring>

#include <tbytevector.h>
#include <tfile.h>

namespace taglibinput {

class FileBytes {
public:
    explicit FileBytes(TagLib::File& file) : file_(file), length_(file.length()) {}

    long Length() const { return length_; }
    TagLib::File& File() { return file_; }

    // Up to `size` bytes from `offset`.
    TagLib::ByteVector At(long offset, long size)
    {
        if (offset < 0 || size <= 0 || offset >= length_)
            return TagLib::ByteVector();
        file_.seek(offset);
        return file_.readBlock(static_cast<unsigned long>(size));
    }
    // Whether the bytes at `offset` are `text` (without its NUL).
    bool Has(long offset, const char* text)
    {
        const long size = static_cast<long>(strlen(text));
        return At(offset, size) == TagLib::ByteVector(text, static_cast<unsigned>(size));
    }
    // The first `text` at or after `offset`; -1 when there is none.
    long Find(const char* text, long offset) { return file_.find(TagLib::ByteVector(text), offset); }

private:
    TagLib::File& file_;
    long length_;
};

// `count` bytes from `at` as an unsigned number, most significant first or last.
inline uint64_t BigEndian(const TagLib::ByteVector& bytes, size_t at, size_t count)
{
    uint64_t value = 0;
    for (size_t i = 0; i < count; ++i)
        value = (value << 8) | (at + i < bytes.size() ? uint8_t(bytes[at + i]) : 0u);
    return at + count <= bytes.size() ? value : 0;
}
inline uint64_t LittleEndian(const TagLib::ByteVector& bytes, size_t at, size_t count)
{
    uint64_t value = 0;
    for (size_t i = count; i-- > 0;)
        value = (value << 8) | (at + i < bytes.size() ? uint8_t(bytes[at + i]) : 0u);
    return at + count <= bytes.size() ? value : 0;
}

}  // namespace taglibinput
