// Reading the lines of a text file through a buffer, by the rules of
// ReadTextLine, for readers of whole files (playlists): one read call per
// buffer instead of one per byte.
#pragma once

#include "platform/FileHandle.h"

#include <cstddef>
#include <vector>

namespace vuv {

class TextLineReader {
public:
    // Reads `file` from its current position on. The file must stay open
    // and must not be read or moved in otherwise while the reader is used.
    explicit TextLineReader(FileHandle& file) : file_(file), buffer_(kBufferBytes) {}

    // Passes over a UTF-8 byte order mark (EF BB BF) when the next bytes
    // are one; for the start of a file.
    void SkipByteOrderMark();

    // ReadTextLine's contract: at most `max` characters and a NUL into
    // `buffer` (max + 1 bytes); LF ends a line, CR ends it and swallows the
    // next byte; a longer line continues with the next call. False only at
    // the end of the file (or a failed read) with nothing stored.
    bool ReadLine(char* buffer, size_t max);

private:
    static constexpr size_t kBufferBytes = 32768;

    // The next byte, or -1 at the end of the file or on a failed read.
    int NextByte()
    {
        if (position_ == end_ && !Fill())
            return -1;
        return static_cast<unsigned char>(buffer_[position_++]);
    }
    bool Fill();

    FileHandle& file_;
    std::vector<char> buffer_;
    size_t position_ = 0;  // next unread byte of buffer_
    size_t end_ = 0;       // bytes held in buffer_
};

}  // namespace vuv
