#include "ui/SkinImage.h"

#include "platform/FileHandle.h"
#include "ui/SkinNames.h"

#include <ocidl.h>
#include <olectl.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace vuv {

namespace {

// HIMETRIC (0.01 mm) to screen pixels. Rounded, not cut: the loader turns a
// pixel size into HIMETRIC with rounding, and cutting on the way back would
// lose the last column of many bitmaps.
int HimetricToPixels(long himetric, int pixelsPerInch)
{
    return MulDiv(int(himetric), pixelsPerInch, 2540);
}

// Replaces every pixel of the top-left pixel's colour with `colour`.
// The bitmap must not be selected into any device context meanwhile.
void ReplaceCornerColour(HBITMAP bitmap, int width, int height, COLORREF colour)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(size_t(width) * height);
    HDC dc = GetDC(nullptr);
    if (!GetDIBits(dc, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS) || pixels.empty()) {
        ReleaseDC(nullptr, dc);
        return;
    }
    DWORD corner = pixels[0] & 0xFFFFFF;
    DWORD replacement = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    for (DWORD& p : pixels)
        if ((p & 0xFFFFFF) == corner)
            p = replacement;
    SetDIBits(dc, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
}

// A file that says it is a bitmap ("BM") must at least hold its headers
// and the pixels they point at; the loader itself accepts much less and
// makes up a picture.
bool TruncatedBitmap(const unsigned char* bytes, uint64_t size)
{
    if (size < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    if (size < 54)
        return true;
    uint32_t offBits = bytes[10] | (bytes[11] << 8) | (bytes[12] << 16) | (uint32_t(bytes[13]) << 24);
    return offBits > size;
}

}  // namespace

SkinImage::~SkinImage() { Reset(); }

SkinImage::SkinImage(SkinImage&& other) noexcept { *this = std::move(other); }

SkinImage& SkinImage::operator=(SkinImage&& other) noexcept
{
    if (this != &other) {
        Reset();
        std::swap(dc_, other.dc_);
        std::swap(bitmap_, other.bitmap_);
        std::swap(previous_, other.previous_);
        std::swap(width_, other.width_);
        std::swap(height_, other.height_);
    }
    return *this;
}

void SkinImage::Reset()
{
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    width_ = height_ = 0;
}

bool SkinImage::Adopt(HBITMAP bitmap)
{
    Reset();
    if (!bitmap)
        return false;
    BITMAP info{};
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc || !GetObject(bitmap, sizeof info, &info)) {
        if (dc)
            DeleteDC(dc);
        DeleteObject(bitmap);
        return false;
    }
    dc_ = dc;
    bitmap_ = bitmap;
    previous_ = SelectObject(dc_, bitmap_);
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    return true;
}

bool SkinImage::CreateBlank(int width, int height)
{
    Reset();
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!Adopt(bitmap))
        return false;
    PatBlt(dc_, 0, 0, width, height, BLACKNESS);
    return true;
}

bool SkinImage::LoadFile(const std::string& path, bool transparent)
{
    Reset();
    // The whole file goes into one movable memory block, handed to the OLE
    // picture loader through a stream that owns the block.
    FileHandle file;
    file.Open(path, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen())
        return false;
    uint64_t size = file.Size();
    if (size == 0 || size > 64u * 1024 * 1024)
        return false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(size));
    if (!block)
        return false;
    void* bytes = GlobalLock(block);
    uint32_t got = bytes ? file.Read(bytes, uint32_t(size), kFromStart) : 0;
    bool truncated = bytes && TruncatedBitmap(static_cast<const unsigned char*>(bytes), size);
    if (bytes)
        GlobalUnlock(block);
    file.Close();
    IStream* stream = nullptr;
    if (got != size || truncated || FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return false;
    }
    IPicture* picture = nullptr;
    HRESULT loaded = OleLoadPicture(stream, LONG(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(loaded) || !picture)
        return false;
    // Data the loader does not understand can still give a picture, of no type.
    SHORT type = PICTYPE_NONE;
    if (FAILED(picture->get_Type(&type)) || type == PICTYPE_NONE || type == PICTYPE_UNINITIALIZED) {
        picture->Release();
        return false;
    }

    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    picture->get_Width(&hmWidth);
    picture->get_Height(&hmHeight);
    HDC screen = GetDC(nullptr);
    int width = HimetricToPixels(hmWidth, GetDeviceCaps(screen, LOGPIXELSX));
    int height = HimetricToPixels(hmHeight, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    bool ok = CreateBlank(width, height) &&
              SUCCEEDED(picture->Render(dc_, 0, 0, width, height, 0, hmHeight, hmWidth, -hmHeight, nullptr));
    picture->Release();
    if (!ok) {
        Reset();
        return false;
    }
    if (transparent) {
        SelectObject(dc_, previous_);
        ReplaceCornerColour(bitmap_, width_, height_, GetSysColor(COLOR_BTNFACE));
        SelectObject(dc_, bitmap_);
    }
    return true;
}

bool SkinImage::LoadResource(HINSTANCE instance, int id, bool transparent)
{
    UINT flags = transparent ? (LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS) : 0;
    HANDLE bitmap = LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, flags | LR_CREATEDIBSECTION);
    return Adopt(static_cast<HBITMAP>(bitmap));
}

void SkinImage::Draw(HDC dc, int x, int y, DWORD rop) const
{
    if (dc_)
        BitBlt(dc, x, y, width_, height_, dc_, 0, 0, rop);
}

void SkinImage::DrawPart(HDC dc, int x, int y, int width, DWORD rop) const
{
    if (dc_ && width > 0)
        BitBlt(dc, x, y, width < width_ ? width : width_, height_, dc_, 0, 0, rop);
}

bool MaskedImage::Load(const std::string& path)
{
    image.LoadFile(path);
    if (image.Empty())
        mask.Reset();
    else
        mask.LoadFile(MaskPathOf(path));
    return !image.Empty();
}

void MaskedImage::Draw(HDC dc, int x, int y) const { DrawPart(dc, x, y, image.Width()); }

void MaskedImage::DrawPart(HDC dc, int x, int y, int width) const
{
    if (mask.Empty()) {
        image.DrawPart(dc, x, y, width);
        return;
    }
    mask.DrawPart(dc, x, y, width, SRCAND);
    image.DrawPart(dc, x, y, width, SRCPAINT);
}

SkinImage LoadSkinImage(const std::string& path, bool transparent)
{
    SkinImage image;
    image.LoadFile(path, transparent);
    return image;
}

SkinImage LoadSkinImage(HINSTANCE instance, int resourceId, bool transparent)
{
    SkinImage image;
    image.LoadResource(instance, resourceId, transparent);
    return image;
}

MaskedImage LoadMaskedImage(const std::string& path)
{
    MaskedImage masked;
    masked.Load(path);
    return masked;
}

bool ComposeOntoBackdrop(SkinImage& image, const SkinImage& backdrop, int x, int y, const std::string& path)
{
    if (image.Empty())
        return false;
    SkinImage mask = LoadSkinImage(MaskPathOf(path));
    if (mask.Empty())
        return false;
    SkinImage composed;
    if (!composed.CreateBlank(image.Width(), image.Height()))
        return false;
    // The backdrop under the image, repeated as the background paint tiles it.
    if (!backdrop.Empty()) {
        const int bw = backdrop.Width(), bh = backdrop.Height();
        for (int ty = 0; ty < image.Height();) {
            int sy = (y + ty) % bh;
            int h = std::min(bh - sy, image.Height() - ty);
            for (int tx = 0; tx < image.Width();) {
                int sx = (x + tx) % bw;
                int w = std::min(bw - sx, image.Width() - tx);
                BitBlt(composed.Dc(), tx, ty, w, h, backdrop.Dc(), sx, sy, SRCCOPY);
                tx += w;
            }
            ty += h;
        }
    }
    BitBlt(composed.Dc(), 0, 0, image.Width(), image.Height(), mask.Dc(), 0, 0, SRCAND);
    BitBlt(composed.Dc(), 0, 0, image.Width(), image.Height(), image.Dc(), 0, 0, SRCPAINT);
    BitBlt(image.Dc(), 0, 0, image.Width(), image.Height(), composed.Dc(), 0, 0, SRCCOPY);
    return true;
}

}  // namespace vuv
