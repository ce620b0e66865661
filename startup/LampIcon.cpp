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

void Fill(HDC dc, const RECT& box, COLORREF fill, COLORREF outline, bool round) {
    HPEN pen = CreatePen(PS_SOLID, 1, outline);
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    if (round)
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
    else
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void DrawMask(HDC dc) {
    Fill(dc, Bulb, Outline, Outline, true);
    Fill(dc, Base, Outline, Outline, false);
    Fill(dc, Tip, Outline, Outline, false);
}

} // namespace

HICON Create(bool lit) {
    return forms::CreateDrawnIcon(
        IconSize,
        [lit](HDC dc) {
            Fill(dc, Bulb, lit ? LitColor : DarkColor, Outline, true);
            if (lit)
                Fill(dc, Glow, GlowColor, GlowColor, true);
            Fill(dc, Base, BaseColor, Outline, false);
            Fill(dc, Tip, Outline, Outline, false);
        },
        DrawMask);
}

} // namespace LampIcon
