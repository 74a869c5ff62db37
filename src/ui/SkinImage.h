// Images of the skin. A SkinImage is a bitmap selected into a memory device
// context of its own, so that drawing it is one BitBlt; it frees both when
// destroyed. An image that could not be loaded is empty, and drawing an
// empty image does nothing, so callers need not test before drawing.
//
// Use from the user-interface thread only (the button bar's threads never
// draw; they ask the owner window to repaint).
#pragma once

#include <windows.h>

#include <string>

namespace vuv {

class SkinImage {
public:
    SkinImage() = default;
    ~SkinImage();
    SkinImage(const SkinImage&) = delete;
    SkinImage& operator=(const SkinImage&) = delete;
    SkinImage(SkinImage&& other) noexcept;
    SkinImage& operator=(SkinImage&& other) noexcept;

    // Any picture the system's OLE loader reads (BMP, JPEG, GIF, ICO). With
    // `transparent`, every pixel of the top-left pixel's colour becomes the
    // system's button-face colour. False (and empty) on failure.
    bool LoadFile(const std::string& path, bool transparent = false);
    // A bitmap resource of the program; `transparent` loads it with the
    // system's transparent and 3D-colour mapping.
    bool LoadResource(HINSTANCE instance, int id, bool transparent = false);
    // A new image of the screen's format, black.
    bool CreateBlank(int width, int height);
    void Reset();

    bool Empty() const { return dc_ == nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }

    // Copies the image (or its left `width` pixels) to (x, y) of `dc`.
    void Draw(HDC dc, int x, int y, DWORD rop = SRCCOPY) const;
    void DrawPart(HDC dc, int x, int y, int width, DWORD rop = SRCCOPY) const;

private:
    bool Adopt(HBITMAP bitmap);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;  // the memory DC's original bitmap
    int width_ = 0;
    int height_ = 0;
};

// An image with its optional "-mask" companion (white = transparent; the
// image is black there). Drawn with the mask it shows what lies beneath
// through its transparent parts; without one it is a plain rectangle.
struct MaskedImage {
    SkinImage image;
    SkinImage mask;

    bool Load(const std::string& path);
    bool Empty() const { return image.Empty(); }
    int Width() const { return image.Width(); }
    int Height() const { return image.Height(); }
    void Draw(HDC dc, int x, int y) const;
    void DrawPart(HDC dc, int x, int y, int width) const;
};

// Loads the image of `path` (a masked image without its mask).
SkinImage LoadSkinImage(const std::string& path, bool transparent = false);
SkinImage LoadSkinImage(HINSTANCE instance, int resourceId, bool transparent = false);
MaskedImage LoadMaskedImage(const std::string& path);

// Resolves the transparency of `image` once: when the "-mask" file of
// `path` exists, the image becomes its composition onto the area of
// `backdrop` at (x, y) (the backdrop repeats when it is smaller). Without a
// mask file the image stays as it is and the result is false.
bool ComposeOntoBackdrop(SkinImage& image, const SkinImage& backdrop, int x, int y, const std::string& path);

}  // namespace vuv
