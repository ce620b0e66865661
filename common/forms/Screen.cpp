#include "Screen.h"

#include <map>

#include "InputCodes.h"
#include "Twips.h"

namespace forms {

namespace {

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

int TwipsPerPixelX() {
    static const int twips = TwipsPerPixelForDpi(ScreenDpi(LOGPIXELSX));
    return twips;
}

int TwipsPerPixelY() {
    static const int twips = TwipsPerPixelForDpi(ScreenDpi(LOGPIXELSY));
    return twips;
}

int ScreenWidth() {
    return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), TwipsPerPixelX());
}

int ScreenHeight() {
    return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), TwipsPerPixelY());
}

COLORREF ToColorRef(Color color) {
    if (IsSystemColor(color))
        return GetSysColor(SystemColorIndex(color));
    return static_cast<COLORREF>(color & 0xFFFFFFu);
}

HBRUSH SolidBrush(Color color) {
    // Keyed by the resolved colour, so a system colour and its plain value
    // share one brush.
    static std::map<COLORREF, HBRUSH> brushes;
    const COLORREF value = ToColorRef(color);
    HBRUSH& brush = brushes[value];
    if (!brush)
        brush = CreateSolidBrush(value);
    return brush;
}

int KeyboardShiftState() {
    return ShiftState(GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, AltKeyDown());
}

bool AltKeyDown() {
    return GetKeyState(VK_MENU) < 0;
}

} // namespace forms
