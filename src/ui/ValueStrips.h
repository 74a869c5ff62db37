// The preference and volume boost strips of the properties dialog's
// "General" page: two owner-drawn static controls that show the common value
// of the selected tracks (-1 where they differ, which shows no value) and
// set it by a left click. Only the dialog's value changes; OK applies it.
//
// User-interface thread only.
#pragma once

#include "ui/SkinImage.h"

#include <windows.h>

namespace vuv {

class ValueStrips {
public:
    ValueStrips() = default;
    ValueStrips(const ValueStrips&) = delete;
    ValueStrips& operator=(const ValueStrips&) = delete;

    // Loads the skin's images and creates the strips on `page`: preference
    // at (92, 296) as large as "Editor\PreferrenceOff.bmp", volume boost at
    // (92, 326) as wide as the bar, one pixel and the automatic mark.
    void Create(HWND page);

    // The page's owner-draw request; false when it is not for a strip.
    bool Draw(const DRAWITEMSTRUCT& item) const;

    int preference = -1;   // 0..9, or -1
    int volumeBoost = -1;  // 0..1000 or 4000, or -1

private:
    static LRESULT CALLBACK StripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    void Click(HWND strip, int x);
    void DrawPreference(HDC dc, const RECT& area) const;
    void DrawBoost(HDC dc, const RECT& area) const;

    HWND preferenceStrip_ = nullptr;
    HWND boostStrip_ = nullptr;
    MaskedImage preferenceOn_, preferenceOff_;
    MaskedImage boostAuto_, boostNoAuto_, boostBar_, boostPointer_;
};

}  // namespace vuv
