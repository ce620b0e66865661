#include "PanelIcon.h"

#include <initializer_list>

#include "forms/DrawnIcon.h"

namespace PanelIcon {

namespace {

using forms::DrawBox;

// The monitor in icon pixels: bezel, screen, neck and foot, and the touch
// mark on the screen.
const RECT Bezel = {1, 2, 31, 24};
const RECT Screen = {4, 5, 28, 21};
const RECT Neck = {13, 24, 19, 27};
const RECT Foot = {7, 27, 25, 30};
const RECT TouchRing = {12, 8, 22, 18};
const RECT TouchDot = {15, 11, 19, 15};

const COLORREF Outline = RGB(0, 0, 0);
const COLORREF BezelColor = RGB(192, 192, 192);
const COLORREF ScreenColor = RGB(0, 128, 128);
const COLORREF TouchColor = RGB(255, 255, 0);

void DrawRing(HDC dc, const RECT& ring, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, ring.left, ring.top, ring.right, ring.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void DrawMonitor(HDC dc) {
    DrawBox(dc, Neck, BezelColor, Outline);
    DrawBox(dc, Foot, BezelColor, Outline);
    DrawBox(dc, Bezel, BezelColor, Outline);
    DrawBox(dc, Screen, ScreenColor, Outline);
    DrawRing(dc, TouchRing, TouchColor);
    DrawBox(dc, TouchDot, TouchColor, TouchColor);
}

// The opaque part of the icon, black on white, as an icon mask wants it.
void DrawMask(HDC dc) {
    for (const RECT& part : {Bezel, Neck, Foot})
        DrawBox(dc, part, Outline, Outline);
}

} // namespace

HICON Create() {
    return forms::CreateDrawnIcon(IconSize, DrawMonitor, DrawMask);
}

} // namespace PanelIcon
