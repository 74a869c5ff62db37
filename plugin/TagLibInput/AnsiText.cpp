#include "AnsiText.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace taglibinput {

namespace {

std::wstring WideFromAnsi(const char* text)
{
    if (text == nullptr || *text == '\0')
        return std::wstring();
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length) == 0)
        return std::wstring();
    return std::wstring(wide.data());
}

}  // namespace

std::wstring WidePathFromAnsi(const char* path)
{
    return WideFromAnsi(path);
}

std::string AnsiFromTagText(const TagLib::String& text)
{
    if (text.isEmpty())
        return std::string();
    // On Windows wchar_t is 16 bits: toWString() is UTF-16, surrogate
    // pairs included, which is what WideCharToMultiByte takes.
    const std::wstring wide = text.toWString();
    int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), &ansi[0], length,
                        nullptr, nullptr);
    // A NUL inside a tag value would end the text early at the caller;
    // cut it there ourselves so that what we report is what is seen.
    size_t nul = ansi.find('\0');
    if (nul != std::string::npos)
        ansi.resize(nul);
    return ansi;
}

TagLib::String TagTextFromAnsi(const char* text)
{
    return TagLib::String(WideFromAnsi(text));
}

void CopyAnsiBounded(char* buffer, size_t size, const std::string& text)
{
    if (buffer == nullptr || size == 0)
        return;
    size_t limit = size - 1;
    size_t used = 0;
    while (used < text.size()) {
        size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[used])) ? 2 : 1;
        if (used + step > limit || used + step > text.size())
            break;
        used += step;
    }
    memcpy(buffer, text.data(), used);
    buffer[used] = '\0';
}

}  // namespace taglibinput
