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

void DrawBin(HDC dc) {
    for (const RECT& part : {Handle, Body, Lid})
        forms::DrawBox(dc, part, Metal, Edge);
    for (const RECT& rib : Ribs)
        forms::DrawBox(dc, rib, Edge, Edge);
}

// Black marks the opaque part.
void MaskBin(HDC dc) {
    for (const RECT& part : {Handle, Body, Lid})
        forms::DrawBox(dc, part, Edge, Edge);
}

} // namespace

HICON CreateWasteBin() {
    return forms::CreateDrawnIcon(IconSize, DrawBin, MaskBin);
}

} // namespace RemovalPictures
