#include "PictureBox.h"

#include <algorithm>

#include "Form.h"
#include "Screen.h"

namespace forms {

PictureBox::PictureBox(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index) {
    common_.width = 1215;
    common_.height = 1215;
}

HWND PictureBox::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    const DWORD exStyle = props_.border == BorderStyle::None ? 0 : WS_EX_CLIENTEDGE;
    return CreateCustomWindow(parent, pixels, style | WS_CLIPCHILDREN, exStyle, "");
}

void PictureBox::AfterCreate() {
    resizedSinceLoad_ = false;
    SetCurrentX(0);
    SetCurrentY(0);
    FitToPicture();
}

void PictureBox::SaveOwnDesign() {
    design_ = props_;
    surfaceDesign_ = surface_;
}

void PictureBox::RestoreOwnDesign() {
    props_ = design_;
    surface_ = surfaceDesign_;
}

int PictureBox::BorderPixels() const {
    return props_.border == BorderStyle::None ? 0 : GetSystemMetrics(SM_CXEDGE);
}

SIZE PictureBox::InnerPixels() const {
    if (hWnd()) {
        RECT client{};
        GetClientRect(hWnd(), &client);
        return {client.right, client.bottom};
    }
    const RECT outer = PixelRectInParent();
    return {std::max(0L, outer.right - outer.left - 2 * BorderPixels()),
            std::max(0L, outer.bottom - outer.top - 2 * BorderPixels())};
}

void PictureBox::SetPicture(PicturePtr picture) {
    props_.picture = std::move(picture);
    FitToPicture();
    DiscardDrawing();
}

void PictureBox::SetAutoSize(bool autoSize) {
    props_.autoSize = autoSize;
    FitToPicture();
}

void PictureBox::FitToPicture() {
    if (!props_.autoSize || !props_.picture)
        return;
    const int frame = 2 * BorderPixels();
    Move(Left(), Top(), Parent().FromPixelsX(props_.picture->Width() + frame),
         Parent().FromPixelsY(props_.picture->Height() + frame));
}

void PictureBox::SetBorder(BorderStyle border) {
    props_.border = border;
    if (!hWnd())
        return;
    LONG_PTR exStyle =
        GetWindowLongPtrA(hWnd(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    if (border != BorderStyle::None)
        exStyle |= WS_EX_CLIENTEDGE;
    SetWindowLongPtrA(hWnd(), GWL_EXSTYLE, exStyle);
    SetWindowPos(hWnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void PictureBox::SetAlign(AlignMode align) {
    props_.align = align;
}

void PictureBox::ColorsChanged() {
    DiscardDrawing();
}

void PictureBox::PaintSurfaceBase(HDC dc, int width, int height) {
    const RECT area{0, 0, width, height};
    FillRect(dc, &area, SolidBrush(common_.backColor));
    if (props_.picture)
        props_.picture->Draw(dc, 0, 0, props_.picture->Width(), props_.picture->Height());
}

void PictureBox::PaintBackground(HDC dc) {
    RECT area{};
    GetClipBox(dc, &area);
    PaintSurface(dc, area);
}

void PictureBox::PaintWindow(HDC dc) {
    PaintBackground(dc);
}

void PictureBox::FireResize() {
    resizedSinceLoad_ = true;
    if (OnResize)
        OnResize();
}

void PictureBox::FormFirstShown() {
    if (!resizedSinceLoad_)
        FireResize();
}

LRESULT PictureBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        SurfaceResized();
        // Sizes set while the form creates its controls are the design, not
        // a resize.
        if (ParentForm().IsLoaded())
            FireResize();
        return 0;
    }
    return Control::WindowProc(message, wParam, lParam);
}

} // namespace forms
