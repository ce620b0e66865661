#include "LampIcon.h"

#include "forms/DrawnIcon.h"

namespace LampIcon {

namespace {

constexpr int IconSize = 32; // pixels

// The bulb, its glow when lit, and the screw base below it (icon pixels).
const RECT Bulb = {8, 3, 24, 19};
const RECT Glow = {11, 6, 17, 12};
const RECT Base = {12, 19, 20, 28};
const RECT Tip = {14, 28, 18, 30};

const COLORREF Outline = RGB(0, 0, 0);
const COLORREF LitColor = RGB(255, 255, 0);
const COLORREF GlowColor = RGB(255, 255, 224);
const COLORREF DarkColor = RGB(128, 128, 128);
const COLORREF BaseColor = RGB(192, 192, 192);

void DrawMask(HDC dc) {
    forms::DrawEllipse(dc, Bulb, Outline, Outline);
    forms::DrawBox(dc, Base, Outline, Outline);
    forms::DrawBox(dc, Tip, Outline, Outline);
}

} // namespace

HICON Create(bool lit) {
    return forms::CreateDrawnIcon(
        IconSize,
        [lit](HDC dc) {
            forms::DrawEllipse(dc, Bulb, lit ? LitColor : DarkColor, Outline);
            if (lit)
                forms::DrawEllipse(dc, Glow, GlowColor, GlowColor);
            forms::DrawBox(dc, Base, BaseColor, Outline);
            forms::DrawBox(dc, Tip, Outline, Outline);
        },
        DrawMask);
}

} // namespace LampIcon
