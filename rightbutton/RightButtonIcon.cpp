#include "RightButtonIcon.h"

#include "forms/DrawnIcon.h"

namespace RightButtonIcon {

namespace {

// The mouse in icon pixels: body, the line between the buttons, the lower
// edge of the buttons, and the cable.
const RECT Body = {9, 5, 28, 34};
const int BodyCorner = 12;
const int Split = 18;
const int ButtonsBottom = 16;

const COLORREF Outline = RGB(0, 0, 0);
const COLORREF BodyColor = RGB(255, 255, 255);
const COLORREF MarkColor = RGB(220, 0, 0);

HRGN BodyRegion() {
    return CreateRoundRectRgn(Body.left, Body.top, Body.right, Body.bottom, BodyCorner, BodyCorner);
}

void FillRightButton(HDC dc) {
    HRGN body = BodyRegion();
    HRGN button = CreateRectRgn(Split, Body.top, Body.right, ButtonsBottom);
    CombineRgn(button, button, body, RGN_AND);
    HBRUSH mark = CreateSolidBrush(MarkColor);
    FillRgn(dc, button, mark);
    DeleteObject(mark);
    DeleteObject(button);
    DeleteObject(body);
}

void DrawMouse(HDC dc) {
    HPEN pen = CreatePen(PS_SOLID, 1, Outline);
    HBRUSH fill = CreateSolidBrush(BodyColor);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    RoundRect(dc, Body.left, Body.top, Body.right, Body.bottom, BodyCorner, BodyCorner);
    FillRightButton(dc);
    MoveToEx(dc, Body.left, ButtonsBottom, nullptr);
    LineTo(dc, Body.right, ButtonsBottom);
    MoveToEx(dc, Split, Body.top, nullptr);
    LineTo(dc, Split, ButtonsBottom);
    MoveToEx(dc, Split, 0, nullptr);
    LineTo(dc, Split, Body.top);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(fill);
    DeleteObject(pen);
}

// The opaque part of the icon, black on white, as an icon mask wants it.
void DrawMask(HDC dc) {
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    RoundRect(dc, Body.left, Body.top, Body.right, Body.bottom, BodyCorner, BodyCorner);
    MoveToEx(dc, Split, 0, nullptr);
    LineTo(dc, Split, Body.top);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

} // namespace

HICON Create() {
    return forms::CreateDrawnIcon(IconSize, DrawMouse, DrawMask);
}

} // namespace RightButtonIcon
