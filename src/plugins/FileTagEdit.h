// The tag editor's file mode: the tag of one music file, read into the
// dialog's seven fields and written back from them, without a collection.
// Texts travel as the plug-in gives and takes them (no cut to record sizes).
#pragma once

#include <string>

namespace vuv {

struct FileTagFields {
    std::string artist, title, album, year, genre, comment, track;
};

// The file's tag elements put into their fields by name (compared without
// regard to case): ARTIST, TITLE, ALBUM, YEAR, GENRE, COMMENT, and TRACK only
// when its number is greater than 0. All empty when no plug-in reads the
// file's tags.
FileTagFields ReadFileTagFields(const std::string& path);

struct FileTagWriteResult {
    bool attempted = false;  // some field was not empty, so the elements were written
    // Why the file refused a write (the first refusal); empty when every
    // element went through or nothing was attempted.
    std::string refusal;
};

// OK in file mode. The file's attributes are first set to normal, so that a
// read-only file can be written. When every field is empty nothing is
// written; otherwise ARTIST, TITLE, ALBUM, YEAR, GENRE, COMMENT and TRACK are
// set, in this order, to the fields' texts, empty ones included (an empty
// field clears its element). After a refusal of the file's own the later
// elements are not tried (TagFileWriter).
FileTagWriteResult WriteFileTagFields(const std::string& path, const FileTagFields& fields);

}  // namespace vuv
