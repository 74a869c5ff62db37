#include "ui/ValueStrips.h"

#include "core/TrackRecord.h"
#include "ui/TrackListRules.h"
#include "ui/WindowSkin.h"

#include <commctrl.h>

#include <algorithm>

namespace vuv {

namespace {

constexpr int kPreferenceStripId = 2001;
constexpr int kBoostStripId = 2002;
constexpr int kStripLeft = 92;
constexpr int kPreferenceTop = 296;
constexpr int kBoostTop = 326;
constexpr int kBarLeft = 11;
constexpr int kPointerCentreOffset = 12;  // the pointer's centre for value 0

HWND CreateStrip(HWND page, int id, int x, int y, int width, int height)
{
    return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, x, y,
                           width, height, page, reinterpret_cast<HMENU>(INT_PTR(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(page, GWLP_HINSTANCE)),
                           nullptr);
}

}  // namespace

void ValueStrips::Create(HWND page)
{
    preferenceOn_ = LoadMaskedImage(SkinFilePath("Editor\\Preferrence.bmp"));
    preferenceOff_ = LoadMaskedImage(SkinFilePath("Editor\\PreferrenceOff.bmp"));
    boostAuto_ = LoadMaskedImage(SkinFilePath("Editor\\VolBoostAuto.bmp"));
    boostNoAuto_ = LoadMaskedImage(SkinFilePath("Editor\\VolBoostNoAuto.bmp"));
    boostBar_ = LoadMaskedImage(SkinFilePath("Editor\\VolBoostBar.bmp"));
    boostPointer_ = LoadMaskedImage(SkinFilePath("Editor\\VolBoostPointer.bmp"));

    preferenceStrip_ = CreateStrip(page, kPreferenceStripId, kStripLeft, kPreferenceTop,
                                   preferenceOff_.Width(), preferenceOff_.Height());
    const int boostHeight = std::max({boostBar_.Height(), boostAuto_.Height(),
                                      boostNoAuto_.Height(), boostPointer_.Height()});
    boostStrip_ = CreateStrip(page, kBoostStripId, kStripLeft, kBoostTop,
                              boostBar_.Width() + 1 + boostAuto_.Width(), boostHeight);
    for (HWND strip : {preferenceStrip_, boostStrip_})
        SetWindowSubclass(strip, StripProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ValueStrips::StripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self)
{
    if (message == WM_LBUTTONDOWN)
        reinterpret_cast<ValueStrips*>(self)->Click(strip, short(LOWORD(lParam)));
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(strip, StripProc, 1);
    return DefSubclassProc(strip, message, wParam, lParam);
}

void ValueStrips::Click(HWND strip, int x)
{
    if (strip == preferenceStrip_)
        preference = PreferenceFromClick(x, preferenceOff_.Width());
    else if (strip == boostStrip_)
        volumeBoost = VolumeBoostFromClick(x, boostBar_.Width());
    else
        return;
    InvalidateRect(strip, nullptr, FALSE);
}

bool ValueStrips::Draw(const DRAWITEMSTRUCT& item) const
{
    if (item.hwndItem == preferenceStrip_)
        DrawPreference(item.hDC, item.rcItem);
    else if (item.hwndItem == boostStrip_)
        DrawBoost(item.hDC, item.rcItem);
    else
        return false;
    return true;
}

void ValueStrips::DrawPreference(HDC dc, const RECT& area) const
{
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    preferenceOff_.Draw(dc, 0, 0);
    if (preference >= 0)
        preferenceOn_.DrawPart(dc, 0, 0, preferenceOn_.Width() * (preference + 1) / 10);
}

void ValueStrips::DrawBoost(HDC dc, const RECT& area) const
{
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    boostBar_.Draw(dc, kBarLeft, 0);
    if (volumeBoost == kVolumeBoostAutomatic) {
        boostAuto_.Draw(dc, 0, 0);
        return;
    }
    boostNoAuto_.Draw(dc, 0, 0);
    if (volumeBoost >= 0) {
        const int centre = kPointerCentreOffset + boostBar_.Width() * volumeBoost / 1000;
        boostPointer_.Draw(dc, centre - boostPointer_.Width() / 2, 0);
    }
}

}  // namespace vuv
