#include "Shape.h"

#include "Screen.h"

namespace forms {

Shape::Shape(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index) {}

HWND Shape::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    return CreateCustomWindow(parent, pixels, style, 0, "");
}

void Shape::SetBorderColor(Color color) {
    props_.borderColor = color;
    InvalidateVisual();
}

void Shape::SetFillColor(Color color) {
    props_.fillColor = color;
    InvalidateVisual();
}

void Shape::SetFill(FillStyle fill) {
    props_.fill = fill;
    InvalidateVisual();
}

void Shape::SetBackStyle(forms::BackStyle back) {
    props_.back = back;
    InvalidateVisual();
}

LRESULT Shape::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    return Control::WindowProc(message, wParam, lParam);
}

void Shape::PaintContent(HDC dc) {
    const RECT place = PixelRectInParent();
    const RECT area{0, 0, place.right - place.left, place.bottom - place.top};
    if (props_.back == forms::BackStyle::Opaque)
        FillRect(dc, &area, SolidBrush(common_.backColor));
    if (props_.fill == FillStyle::Solid)
        FillRect(dc, &area, SolidBrush(props_.fillColor));
    // The outline lies inside the shape's bounds.
    FrameRect(dc, &area, SolidBrush(props_.borderColor));
}

} // namespace forms
