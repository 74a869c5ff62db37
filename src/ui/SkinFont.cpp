#include "ui/SkinFont.h"

#include <algorithm>
#include <vector>

namespace vuv {

namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

}  // namespace

SkinFont::~SkinFont()
{
    if (font_)
        DeleteObject(font_);
}

bool SkinFont::Create(const std::string& face, int height, int width, bool bold, bool italic, bool underline,
                      bool transparent, COLORREF colour, bool multiLine)
{
    if (font_)
        DeleteObject(font_);
    font_ = CreateFontA(height, width, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face.empty() ? "Arial" : face.c_str());
    colour_ = colour;
    transparent_ = transparent;
    multiLine_ = multiLine;
    return font_ != nullptr;
}

void SkinFont::Draw(HDC dc, int x, int y, const std::string& text) const
{
    SetTextColor(dc, colour_);
    SetBkMode(dc, transparent_ ? TRANSPARENT : OPAQUE);
    HGDIOBJ old = SelectObject(dc, font_);
    if (!multiLine_) {
        TextOutA(dc, x, y, text.c_str(), int(text.size()));
    } else {
        SIZE line{};
        GetTextExtentPoint32A(dc, "Ay", 2, &line);
        for (const std::string& part : SplitLines(text)) {
            TabbedTextOutA(dc, x, y, part.c_str(), int(part.size()), 0, nullptr, x);
            y += line.cy;
        }
    }
    SelectObject(dc, old);
}

SIZE SkinFont::Measure(const std::string& text) const
{
    SIZE total{0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return total;
    HGDIOBJ old = SelectObject(dc, font_);
    if (!multiLine_) {
        GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &total);
    } else {
        SIZE line{};
        GetTextExtentPoint32A(dc, "Ay", 2, &line);
        for (const std::string& part : SplitLines(text)) {
            DWORD extent = GetTabbedTextExtentA(dc, part.c_str(), int(part.size()), 0, nullptr);
            total.cx = std::max<LONG>(total.cx, LOWORD(extent));
            total.cy += line.cy;
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return total;
}

int SkinFont::TextWidth(const std::string& text) const { return Measure(text).cx; }
int SkinFont::TextHeight(const std::string& text) const { return Measure(text).cy; }

}  // namespace vuv
