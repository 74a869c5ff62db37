// A font with its drawing settings: colour, transparent or opaque
// background, single- or multi-line text. Multi-line text is drawn line by
// line with tabs expanded, each line the height of "Ay" below the last.
#pragma once

#include <windows.h>

#include <string>

namespace vuv {

class SkinFont {
public:
    SkinFont() = default;
    ~SkinFont();
    SkinFont(const SkinFont&) = delete;
    SkinFont& operator=(const SkinFont&) = delete;

    // An empty face name means "Arial"; `height` and `width` in pixels as
    // CreateFont takes them (0 width = the face's own).
    bool Create(const std::string& face, int height, int width, bool bold, bool italic, bool underline,
                bool transparent, COLORREF colour, bool multiLine = false);
    void SetColour(COLORREF colour) { colour_ = colour; }
    COLORREF Colour() const { return colour_; }
    HFONT Handle() const { return font_; }

    void Draw(HDC dc, int x, int y, const std::string& text) const;
    // Extent of the text (the longest line and all lines for multi-line).
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

private:
    SIZE Measure(const std::string& text) const;

    HFONT font_ = nullptr;
    COLORREF colour_ = 0;
    bool transparent_ = true;
    bool multiLine_ = false;
};

}  // namespace vuv
