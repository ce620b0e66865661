#include "RemovalPictures.h"

#include <initializer_list>

#include "forms/DrawnIcon.h"

namespace RemovalPictures {

namespace {

// The bin in icon pixels: handle, lid and body, and the body's ribs.
const RECT Handle = {12, 2, 20, 6};
const RECT Lid = {5, 5, 27, 9};
const RECT Body = {7, 9, 25, 31};
const RECT Ribs[] = {{11, 12, 12, 28}, {16, 12, 17, 28}, {21, 12, 22, 28}};

const COLORREF Metal = RGB(192, 192, 192);
const COLORREF Edge = RGB(0, 0, 0);

// Filled parts with a one-pixel edge, later ones over earlier ones.
void Fill(HDC dc, std::initializer_list<RECT> parts, COLORREF inside, COLORREF edge) {
    HBRUSH insideBrush = CreateSolidBrush(inside);
    HBRUSH edgeBrush = CreateSolidBrush(edge);
    for (const RECT& part : parts) {
        FillRect(dc, &part, insideBrush);
        FrameRect(dc, &part, edgeBrush);
    }
    DeleteObject(edgeBrush);
    DeleteObject(insideBrush);
}

void DrawBin(HDC dc) {
    Fill(dc, {Handle, Body, Lid}, Metal, Edge);
    Fill(dc, {Ribs[0], Ribs[1], Ribs[2]}, Edge, Edge);
}

// Black marks the opaque part.
void MaskBin(HDC dc) {
    Fill(dc, {Handle, Body, Lid}, Edge, Edge);
}

} // namespace

HICON CreateWasteBin() {
    return forms::CreateDrawnIcon(IconSize, DrawBin, MaskBin);
}

} // namespace RemovalPictures
