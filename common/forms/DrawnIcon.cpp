#include "DrawnIcon.h"

namespace forms {

namespace {

void Fill(HDC dc, int size, int stockBrush) {
    RECT all = {0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(stockBrush)));
}

enum class Outline { Box, Ellipse };

void DrawShape(HDC dc, const RECT& box, COLORREF fill, COLORREF outline, Outline shape) {
    HPEN pen = CreatePen(PS_SOLID, 1, outline);
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    if (shape == Outline::Ellipse)
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
    else
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

} // namespace

void DrawBox(HDC dc, const RECT& box, COLORREF fill, COLORREF outline) {
    DrawShape(dc, box, fill, outline, Outline::Box);
}

void DrawEllipse(HDC dc, const RECT& box, COLORREF fill, COLORREF outline) {
    DrawShape(dc, box, fill, outline, Outline::Ellipse);
}

HICON CreateDrawnIcon(int size, const std::function<void(HDC)>& drawPicture,
                      const std::function<void(HDC)>& drawMask) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP color = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ReleaseDC(nullptr, screen);
    HICON icon = nullptr;
    if (dc && color && mask) {
        HGDIOBJ old = SelectObject(dc, color);
        Fill(dc, size, BLACK_BRUSH);
        drawPicture(dc);
        SelectObject(dc, mask);
        Fill(dc, size, WHITE_BRUSH);
        drawMask(dc);
        SelectObject(dc, old);
        ICONINFO info = {};
        info.fIcon = TRUE;
        info.hbmMask = mask;
        info.hbmColor = color;
        icon = CreateIconIndirect(&info);
    }
    if (mask)
        DeleteObject(mask);
    if (color)
        DeleteObject(color);
    if (dc)
        DeleteDC(dc);
    return icon;
}

} // namespace forms
