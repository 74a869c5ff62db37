// Texts cross the plug-in's interface in the system's ANSI code page
// (CP_ACP); TagLib works in Unicode. These are the only conversions between
// the two, so that every export treats names and values alike.
#pragma once

#include <cstddef>
#include <string>

#include <tstring.h>

namespace taglibinput {

// An ANSI path as UTF-16, for TagLib's wide FileName (every ANSI text has a
// UTF-16 form, so no path is lost). Empty for an empty or invalid text.
std::wstring WidePathFromAnsi(const char* path);

// A TagLib text in the ANSI code page. Characters the code page cannot hold
// become the code page's default character ('?').
std::string AnsiFromTagText(const TagLib::String& text);

// An ANSI text as a TagLib text.
TagLib::String TagTextFromAnsi(const char* text);

// Copies `text` into a buffer of `size` bytes, NUL-terminated and cut to at
// most size - 1 bytes without splitting a double-byte character.
void CopyAnsiBounded(char* buffer, size_t size, const std::string& text);

}  // namespace taglibinput
