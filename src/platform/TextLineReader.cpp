#include "platform/TextLineReader.h"

#include <cstring>

namespace vuv {

bool TextLineReader::Fill()
{
    position_ = 0;
    end_ = file_.Read(buffer_.data(), uint32_t(buffer_.size()));
    return end_ > 0;
}

void TextLineReader::SkipByteOrderMark()
{
    static const char kMark[] = "\xEF\xBB\xBF";
    if (position_ == end_)
        Fill();
    if (end_ - position_ >= 3 && memcmp(buffer_.data() + position_, kMark, 3) == 0)
        position_ += 3;
}

bool TextLineReader::ReadLine(char* buffer, size_t max)
{
    size_t stored = 0;
    while (stored < max) {
        const int c = NextByte();
        if (c < 0) {
            buffer[stored] = '\0';
            return stored > 0;
        }
        if (c == '\n')
            break;
        if (c == '\r') {
            NextByte();
            break;
        }
        buffer[stored++] = char(c);
    }
    buffer[stored] = '\0';
    return true;
}

}  // namespace vuv
