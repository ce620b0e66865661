#include "Image.h"

namespace forms {

Image::Image(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index) {
    common_.width = 480;
    common_.height = 480;
}

HWND Image::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    return CreateCustomWindow(parent, pixels, style, 0, "");
}

void Image::SetPicture(PicturePtr picture) {
    props_.picture = std::move(picture);
    FitToPicture();
    InvalidateVisual();
}

void Image::FitToPicture() {
    if (!props_.picture)
        return;
    Move(Left(), Top(), Parent().FromPixelsX(props_.picture->Width()),
         Parent().FromPixelsY(props_.picture->Height()));
}

void Image::PaintContent(HDC dc) {
    if (!props_.picture)
        return;
    props_.picture->Draw(dc, 0, 0, props_.picture->Width(), props_.picture->Height());
}

} // namespace forms
