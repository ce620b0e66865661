#include "CheckableButton.h"

#include "Screen.h"

namespace forms {

CheckableButton::CheckableButton(Container& parent, std::string name, int index, DWORD buttonStyle)
    : Control(parent, std::move(name), index), buttonStyle_(buttonStyle) {
    common_.height = 255;
}

HWND CheckableButton::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    HWND window =
        CreateSystemWindow("BUTTON", parent, pixels, style | buttonStyle_, 0, props_.caption);
    if (window)
        SendMessageA(window, BM_SETCHECK, props_.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return window;
}

void CheckableButton::SetCaption(const std::string& caption) {
    props_.caption = caption;
    if (hWnd())
        SetWindowTextA(hWnd(), caption.c_str());
}

bool CheckableButton::StoreChecked(bool checked) {
    if (props_.checked == checked)
        return false;
    props_.checked = checked;
    if (hWnd())
        SendMessageA(hWnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
}

bool CheckableButton::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return false;
        UserClicked();
        result = 0;
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ToColorRef(common_.foreColor));
        SetBkColor(dc, ToColorRef(common_.backColor));
        result = reinterpret_cast<LRESULT>(SolidBrush(common_.backColor));
        return true;
    }
    default:
        return false;
    }
}

} // namespace forms
