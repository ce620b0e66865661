#include "CommandButton.h"

namespace forms {

CommandButton::CommandButton(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index) {}

HWND CommandButton::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    return CreateSystemWindow("BUTTON", parent, pixels, style | BS_PUSHBUTTON, 0, props_.caption);
}

void CommandButton::AfterCreate() {
    if (props_.picture) // a new button shows its caption already
        ApplyPicture();
}

void CommandButton::SetCaption(const std::string& caption) {
    props_.caption = caption;
    if (hWnd())
        SetWindowTextA(hWnd(), caption.c_str());
}

void CommandButton::SetPicture(PicturePtr picture) {
    props_.picture = std::move(picture);
    ApplyPicture();
}

void CommandButton::ApplyPicture() {
    HWND window = hWnd();
    if (!window)
        return;
    const PicturePtr& picture = props_.picture;
    LONG_PTR style =
        GetWindowLongPtrA(window, GWL_STYLE) & ~static_cast<LONG_PTR>(BS_ICON | BS_BITMAP);
    if (picture)
        style |= picture->IsIcon() ? BS_ICON : BS_BITMAP;
    SetWindowLongPtrA(window, GWL_STYLE, style);
    if (!picture)
        SendMessageA(window, BM_SETIMAGE, IMAGE_BITMAP, 0);
    else if (picture->IsIcon())
        SendMessageA(window, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture->Icon()));
    else
        SendMessageA(window, BM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(picture->Bitmap()));
    InvalidateRect(window, nullptr, TRUE);
}

void CommandButton::AccessKeyPressed() {
    SetFocus();
    if (OnClick)
        OnClick();
}

bool CommandButton::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    if (OnClick)
        OnClick();
    result = 0;
    return true;
}

} // namespace forms
