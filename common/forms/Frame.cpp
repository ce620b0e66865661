#include "Frame.h"

#include "Screen.h"

namespace forms {

Frame::Frame(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index) {
    common_.height = 1215;
}

HWND Frame::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    return CreateCustomWindow(parent, pixels, style | WS_CLIPCHILDREN, 0, props_.caption);
}

void Frame::SetCaption(const std::string& caption) {
    props_.caption = caption;
    if (hWnd()) {
        SetWindowTextA(hWnd(), caption.c_str());
        InvalidateVisual();
    }
}

SIZE Frame::InnerPixels() const {
    const RECT area = PixelRectInParent();
    return {area.right - area.left, area.bottom - area.top};
}

void Frame::PaintBackground(HDC dc) {
    const SIZE size = InnerPixels();
    const RECT area{0, 0, size.cx, size.cy};
    FillRect(dc, &area, SolidBrush(common_.backColor));
}

void Frame::PaintWindow(HDC dc) {
    PaintBackground(dc);
    const SIZE size = InnerPixels();
    HGDIOBJ oldFont = SelectObject(dc, FontHandle(common_.font));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    // The etched line runs through the middle of the caption.
    RECT edge{0, metrics.tmHeight / 2, size.cx, size.cy};
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (!props_.caption.empty()) {
        RECT text{0, 0, 0, 0};
        DrawTextA(dc, props_.caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        OffsetRect(&text, 8, 0);
        FillRect(dc, &text, SolidBrush(common_.backColor));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, Enabled() ? ToColorRef(common_.foreColor) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(dc, props_.caption.c_str(), -1, &text, DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
}

} // namespace forms
