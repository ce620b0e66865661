#include "ComboBox.h"

namespace forms {

namespace {

// Room for this many items when the list drops down.
constexpr int kVisibleItems = 8;

} // namespace

ComboBox::ComboBox(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index) {
    common_.height = 315;
    common_.backColor = kWindowBackground;
    common_.foreColor = kWindowText;
}

HWND ComboBox::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    HWND window = CreateSystemWindow("COMBOBOX", parent, pixels,
                                     style | CBS_DROPDOWNLIST | WS_VSCROLL, 0, "");
    if (!window)
        return nullptr;
    for (const std::string& item : props_.items)
        SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(props_.listIndex), 0);
    return window;
}

SIZE ComboBox::WindowSizeFor(int widthPixels, int heightPixels) const {
    // The window's height includes the dropped-down list; the closed box
    // takes the height of its font whatever is asked.
    const int itemHeight = heightPixels > 0 ? heightPixels : 16;
    return {widthPixels, itemHeight * (kVisibleItems + 1)};
}

void ComboBox::AddItem(const std::string& item) {
    props_.items.push_back(item);
    if (hWnd())
        SendMessageA(hWnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::Clear() {
    props_.items.clear();
    props_.listIndex = -1;
    if (hWnd())
        SendMessageA(hWnd(), CB_RESETCONTENT, 0, 0);
}

std::string ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount())
        return {};
    return props_.items[static_cast<size_t>(index)];
}

bool ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount())
        return false;
    if (index == props_.listIndex)
        return true;
    props_.listIndex = index;
    if (hWnd())
        SendMessageA(hWnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (OnClick)
        OnClick();
    return true;
}

bool ComboBox::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != CBN_SELCHANGE)
        return false;
    result = 0;
    const int selected = static_cast<int>(SendMessageA(hWnd(), CB_GETCURSEL, 0, 0));
    if (selected != props_.listIndex) {
        props_.listIndex = selected;
        if (OnClick)
            OnClick();
    }
    return true;
}

} // namespace forms
