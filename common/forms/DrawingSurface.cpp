#include "DrawingSurface.h"

#include <algorithm>

#include "Screen.h"

namespace forms {

DrawingSurface::~DrawingSurface() {
    ReleaseCanvas();
}

void DrawingSurface::ReleaseCanvas() {
    if (!canvasDc_)
        return;
    SelectObject(canvasDc_, originalBitmap_);
    DeleteObject(canvas_);
    DeleteDC(canvasDc_);
    canvasDc_ = nullptr;
    canvas_ = nullptr;
    canvasWidth_ = canvasHeight_ = 0;
}

void DrawingSurface::DiscardDrawing() {
    ReleaseCanvas();
    HWND window = ContainerWindow();
    if (window)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool DrawingSurface::EnsureCanvas() {
    HWND window = ContainerWindow();
    if (!window)
        return false;
    RECT client{};
    GetClientRect(window, &client);
    const int width = std::max<int>(client.right, canvasWidth_);
    const int height = std::max<int>(client.bottom, canvasHeight_);
    if (canvasDc_ && width == canvasWidth_ && height == canvasHeight_)
        return true;
    if (width <= 0 || height <= 0)
        return canvasDc_ != nullptr;

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ original = SelectObject(dc, bitmap);
    PaintSurfaceBase(dc, width, height);
    if (canvasDc_)
        BitBlt(dc, 0, 0, canvasWidth_, canvasHeight_, canvasDc_, 0, 0, SRCCOPY);
    ReleaseCanvas();
    canvasDc_ = dc;
    canvas_ = bitmap;
    originalBitmap_ = original;
    canvasWidth_ = width;
    canvasHeight_ = height;
    return true;
}

void DrawingSurface::SurfaceResized() {
    if (canvasDc_)
        EnsureCanvas();
}

void DrawingSurface::PaintSurface(HDC dc, const RECT& area) {
    if (!canvasDc_) {
        HWND window = ContainerWindow();
        RECT client{};
        if (window)
            GetClientRect(window, &client);
        PaintSurfaceBase(dc, client.right, client.bottom);
        return;
    }
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, canvasDc_,
           area.left, area.top, SRCCOPY);
}

void DrawingSurface::InvalidatePixels(int left, int top, int right, int bottom) {
    HWND window = ContainerWindow();
    if (!window)
        return;
    const int margin = surface_.drawWidth / 2 + 1;
    RECT area{std::min(left, right) - margin, std::min(top, bottom) - margin,
              std::max(left, right) + margin + 1, std::max(top, bottom) + margin + 1};
    // Transparent controls on the surface show the drawing, so they repaint too.
    RedrawWindow(window, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void DrawingSurface::SetDrawWidth(int pixels) {
    surface_.drawWidth = std::max(1, pixels);
}

void DrawingSurface::DrawDot(int x, int y, Color color) {
    const int width = surface_.drawWidth;
    if (width <= 1) {
        SetPixel(canvasDc_, x, y, ToColorRef(color));
        return;
    }
    HBRUSH brush = SolidBrush(color);
    HGDIOBJ oldBrush = SelectObject(canvasDc_, brush);
    HGDIOBJ oldPen = SelectObject(canvasDc_, GetStockObject(NULL_PEN));
    const int from = -(width / 2);
    Ellipse(canvasDc_, x + from, y + from, x + from + width + 1, y + from + width + 1);
    SelectObject(canvasDc_, oldPen);
    SelectObject(canvasDc_, oldBrush);
}

void DrawingSurface::DrawSegment(int x1, int y1, int x2, int y2, Color color) {
    if (x1 == x2 && y1 == y2) {
        DrawDot(x1, y1, color);
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, surface_.drawWidth, ToColorRef(color));
    HGDIOBJ oldPen = SelectObject(canvasDc_, pen);
    MoveToEx(canvasDc_, x1, y1, nullptr);
    ::LineTo(canvasDc_, x2, y2);
    SelectObject(canvasDc_, oldPen);
    DeleteObject(pen);
    // GDI leaves out the last point of a thin line; the end is part of it here.
    if (surface_.drawWidth <= 1)
        SetPixel(canvasDc_, x2, y2, ToColorRef(color));
}

void DrawingSurface::Line(int x1, int y1, int x2, int y2) {
    Line(x1, y1, x2, y2, surface_.foreColor);
}

void DrawingSurface::Line(int x1, int y1, int x2, int y2, Color color) {
    currentX_ = x2;
    currentY_ = y2;
    if (!EnsureCanvas())
        return;
    const int px1 = ToPixelsX(x1), py1 = ToPixelsY(y1), px2 = ToPixelsX(x2), py2 = ToPixelsY(y2);
    DrawSegment(px1, py1, px2, py2, color);
    InvalidatePixels(px1, py1, px2, py2);
}

void DrawingSurface::LineTo(int x, int y) {
    Line(currentX_, currentY_, x, y);
}

void DrawingSurface::LineTo(int x, int y, Color color) {
    Line(currentX_, currentY_, x, y, color);
}

void DrawingSurface::Box(int x1, int y1, int x2, int y2) {
    Box(x1, y1, x2, y2, surface_.foreColor);
}

void DrawingSurface::Box(int x1, int y1, int x2, int y2, Color color) {
    currentX_ = x2;
    currentY_ = y2;
    if (!EnsureCanvas())
        return;
    const int left = ToPixelsX(std::min(x1, x2)), right = ToPixelsX(std::max(x1, x2));
    const int top = ToPixelsY(std::min(y1, y2)), bottom = ToPixelsY(std::max(y1, y2));
    DrawSegment(left, top, right, top, color);
    DrawSegment(right, top, right, bottom, color);
    DrawSegment(right, bottom, left, bottom, color);
    DrawSegment(left, bottom, left, top, color);
    InvalidatePixels(left, top, right, bottom);
}

void DrawingSurface::FilledBox(int x1, int y1, int x2, int y2, Color color) {
    currentX_ = x2;
    currentY_ = y2;
    if (!EnsureCanvas())
        return;
    const int left = ToPixelsX(std::min(x1, x2)), right = ToPixelsX(std::max(x1, x2));
    const int top = ToPixelsY(std::min(y1, y2)), bottom = ToPixelsY(std::max(y1, y2));
    RECT area{left, top, right + 1, bottom + 1};
    FillRect(canvasDc_, &area, SolidBrush(color));
    InvalidatePixels(left, top, right, bottom);
}

void DrawingSurface::PSet(int x, int y) {
    PSet(x, y, surface_.foreColor);
}

void DrawingSurface::PSet(int x, int y, Color color) {
    currentX_ = x;
    currentY_ = y;
    if (!EnsureCanvas())
        return;
    const int px = ToPixelsX(x), py = ToPixelsY(y);
    DrawDot(px, py, color);
    InvalidatePixels(px, py, px, py);
}

void DrawingSurface::Cls() {
    currentX_ = currentY_ = 0;
    DiscardDrawing();
}

} // namespace forms
