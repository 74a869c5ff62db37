#include "TagRegions.h"

namespace taglibinput {

namespace {

constexpr long kId3v2HeaderSize = 10;
constexpr long kId3v1Size = 128;
constexpr long kApeFooterSize = 32;

// A syncsafe number: seven bits per byte. False when a byte has its top bit.
bool SyncSafe(const TagLib::ByteVector& bytes, size_t at, uint32_t& value)
{
    value = 0;
    for (size_t i = at; i < at + 4; ++i) {
        if (i >= bytes.size() || (uint8_t(bytes[i]) & 0x80) != 0)
            return false;
        value = (value << 7) | uint8_t(bytes[i]);
    }
    return true;
}

// The tag body as its frames are counted: whole-tag unsynchronisation
// (versions 2 and 3) undone.
TagLib::ByteVector Resynchronised(const TagLib::ByteVector& body)
{
    TagLib::ByteVector out;
    for (size_t i = 0; i < body.size(); ++i) {
        out.append(body[i]);
        if (uint8_t(body[i]) == 0xFF && i + 1 < body.size() && body[i + 1] == 0)
            ++i;
    }
    return out;
}

bool IsFrameId(const TagLib::ByteVector& body, size_t at, size_t length)
{
    for (size_t i = at; i < at + length; ++i) {
        const char c = body[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// A frame's size field. Version 4 sizes are syncsafe, but some taggers
// wrote plain numbers there: a byte with its top bit set marks one, as
// TagLib reads it.
uint32_t FrameSize(const TagLib::ByteVector& body, size_t at, unsigned version)
{
    if (version == 2)
        return uint32_t(BigEndian(body, at + 3, 3));
    uint32_t size = 0;
    if (version == 4 && SyncSafe(body, at + 4, size))
        return size;
    return uint32_t(BigEndian(body, at + 4, 4));
}

bool AllZero(const TagLib::ByteVector& bytes, size_t from)
{
    for (size_t i = from; i < bytes.size(); ++i)
        if (bytes[i] != 0)
            return false;
    return true;
}

}  // namespace

bool Id3v2TagEnd(FileBytes& bytes, long at, long& end)
{
    const TagLib::ByteVector header = bytes.At(at, kId3v2HeaderSize);
    uint32_t size = 0;
    if (header.size() != kId3v2HeaderSize || !header.startsWith("ID3") ||
        !SyncSafe(header, 6, size))
        return false;
    const unsigned version = uint8_t(header[3]);
    const unsigned flags = uint8_t(header[5]);
    if (version < 2 || version > 4)
        return false;
    const bool footer = version == 4 && (flags & 0x10) != 0;
    end = at + kId3v2HeaderSize + long(size) + (footer ? kId3v2HeaderSize : 0);
    if (end > bytes.Length())
        return false;

    TagLib::ByteVector body = bytes.At(at + kId3v2HeaderSize, long(size));
    if ((flags & 0x80) != 0 && version < 4)
        body = Resynchronised(body);
    size_t position = 0;
    if ((flags & 0x40) != 0) {
        // Version 2 uses the flag for a compressed tag, which no tagger
        // writes and nothing can check.
        if (version == 2)
            return false;
        uint32_t extended = 0;
        if (version == 3)
            extended = 4 + uint32_t(BigEndian(body, 0, 4));
        else if (!SyncSafe(body, 0, extended))
            return false;
        position = extended;
    }
    const size_t frameHeader = version == 2 ? 6 : 10;
    while (position + frameHeader <= body.size() && body[position] != 0 &&
           IsFrameId(body, position, version == 2 ? 3 : 4)) {
        const uint32_t frame = FrameSize(body, position, version);
        if (frame == 0 || frame > body.size() - position - frameHeader)
            break;
        position += frameHeader + frame;
    }
    return position <= body.size() && AllZero(body, position);
}

bool CutTrailingTags(FileBytes& bytes, long begin, long& end, bool withApe)
{
    // TagLib looks for ID3v1 at the very end only, and takes "TAG" there for
    // one unless it belongs to an APE footer's "APETAGEX".
    if (end - begin >= kId3v1Size && bytes.Has(end - kId3v1Size, "TAG") &&
        !(end >= kId3v1Size + 3 && bytes.Has(end - kId3v1Size - 3, "APETAGEX")))
        end -= kId3v1Size;
    if (!withApe || end - begin < kApeFooterSize || !bytes.Has(end - kApeFooterSize, "APETAGEX"))
        return true;

    const TagLib::ByteVector footer = bytes.At(end - kApeFooterSize, kApeFooterSize);
    const long size = long(LittleEndian(footer, 12, 4));  // items and footer
    const uint64_t count = LittleEndian(footer, 16, 4);
    const bool hasHeader = (LittleEndian(footer, 20, 4) & 0x80000000u) != 0;
    if (size < kApeFooterSize || size > end - begin)
        return false;
    const long itemsAt = end - size;
    const long start = itemsAt - (hasHeader ? kApeFooterSize : 0);
    if (start < begin || (hasHeader && !bytes.Has(start, "APETAGEX")))
        return false;
    // Each item: value size, flags, key, NUL, value. They must fill the tag
    // up to zero padding.
    const TagLib::ByteVector items = bytes.At(itemsAt, size - kApeFooterSize);
    size_t position = 0;
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t valueSize = LittleEndian(items, position, 4);
        const int nul = position + 8 <= items.size() ? items.find('\0', unsigned(position + 8)) : -1;
        if (nul < 0 || valueSize > items.size() - size_t(nul) - 1)
            return false;
        position = size_t(nul) + 1 + size_t(valueSize);
    }
    if (!AllZero(items, position))
        return false;
    end = start;
    return true;
}

}  // namespace taglibinput
