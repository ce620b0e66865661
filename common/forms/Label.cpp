#include "Label.h"

#include "Screen.h"

namespace forms {

namespace {

void DrawLabelText(HDC dc, const std::string& text, RECT area, UINT format, bool enabled,
                   COLORREF color) {
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        SetTextColor(dc, color);
        DrawTextA(dc, text.c_str(), -1, &area, format);
        return;
    }
    // Disabled text is engraved, as the system draws it.
    RECT shadow = area;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextA(dc, text.c_str(), -1, &shadow, format);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, text.c_str(), -1, &area, format);
}

// A height in pixels for text whose lines need `needed` pixels: grown to
// them where it is short by at most a pixel a line, as a height designed for
// the lines at one resolution comes out at another, whose font's lines grow
// faster than the twips. Any other height stays as designed.
int HeightForLines(int height, int needed, int lineHeight) {
    const int lines = lineHeight > 0 ? needed / lineHeight : 0;
    return height < needed && needed - height <= lines ? needed : height;
}

} // namespace

Label::Label(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index) {}

HWND Label::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    return CreateCustomWindow(parent, pixels, style, 0, props_.caption);
}

void Label::SetCaption(const std::string& caption) {
    props_.caption = caption;
    if (hWnd())
        SetWindowTextA(hWnd(), caption.c_str()); // readable from outside
    FitToText();
    InvalidateVisual();
}

void Label::SetBackStyle(forms::BackStyle back) {
    props_.back = back;
    InvalidateVisual();
}

void Label::SetBorder(BorderStyle border) {
    props_.border = border;
    FitToText();
    InvalidateVisual();
}

void Label::SetTextAlign(Alignment align) {
    props_.align = align;
    InvalidateVisual();
}

void Label::SetAutoSize(bool autoSize) {
    props_.autoSize = autoSize;
    FitToText();
}

void Label::SetWordWrap(bool wordWrap) {
    props_.wordWrap = wordWrap;
    FitToText();
    InvalidateVisual();
}

void Label::FontChanged() {
    Control::FontChanged();
    FitToText();
}

SIZE Label::WindowSizeFor(int widthPixels, int heightPixels) const {
    // A label that sizes itself has its text's height already.
    if (props_.autoSize)
        return {widthPixels, heightPixels};
    const int border = 2 * BorderPixels();
    HDC dc = MeasuringDC();
    HGDIOBJ old = SelectObject(dc, FontHandle(common_.font));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT area{0, 0, widthPixels - border, 0};
    const std::string text = props_.caption.empty() ? " " : props_.caption;
    DrawTextA(dc, text.c_str(), -1, &area, TextFormat() | DT_CALCRECT);
    SelectObject(dc, old);
    return {widthPixels,
            HeightForLines(heightPixels - border, area.bottom - area.top, metrics.tmHeight) +
                border};
}

int Label::BorderPixels() const {
    return props_.border == BorderStyle::None ? 0 : 2;
}

UINT Label::TextFormat() const {
    UINT format = props_.align == Alignment::Right    ? DT_RIGHT
                  : props_.align == Alignment::Center ? DT_CENTER
                                                      : DT_LEFT;
    // A label that grows sideways keeps its lines; any other wraps words.
    if (!props_.autoSize || props_.wordWrap)
        format |= DT_WORDBREAK;
    return format;
}

void Label::FitToText() {
    if (!props_.autoSize) {
        // The same place and size, measured again for the text.
        if (hWnd())
            Move(common_.left, common_.top, common_.width, common_.height);
        return;
    }
    const int border = BorderPixels();
    HDC dc = MeasuringDC();
    HGDIOBJ old = SelectObject(dc, FontHandle(common_.font));
    RECT area{0, 0, 0, 0};
    if (props_.wordWrap)
        area.right = Parent().ToPixelsX(Width()) - 2 * border;
    // An empty caption still measures one line.
    const std::string text = props_.caption.empty() ? " " : props_.caption;
    DrawTextA(dc, text.c_str(), -1, &area, TextFormat() | DT_CALCRECT);
    SelectObject(dc, old);
    const int width =
        props_.wordWrap ? Width() : Parent().FromPixelsX(area.right - area.left + 2 * border);
    const int height = Parent().FromPixelsY(area.bottom - area.top + 2 * border);
    if (width != Width() || height != Height())
        Move(Left(), Top(), width, height);
}

void Label::PaintContent(HDC dc) {
    const RECT place = PixelRectInParent();
    RECT area{0, 0, place.right - place.left, place.bottom - place.top};
    if (props_.back == forms::BackStyle::Opaque)
        FillRect(dc, &area, SolidBrush(common_.backColor));
    if (props_.border != BorderStyle::None) {
        DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT);
        InflateRect(&area, -BorderPixels(), -BorderPixels());
    }
    HGDIOBJ old = SelectObject(dc, FontHandle(common_.font));
    DrawLabelText(dc, props_.caption, area, TextFormat(), Enabled(), ToColorRef(common_.foreColor));
    SelectObject(dc, old);
}

} // namespace forms
