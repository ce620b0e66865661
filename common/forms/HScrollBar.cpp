#include "HScrollBar.h"

#include <algorithm>

namespace forms {

namespace {

constexpr int kLowest = -32768;
constexpr int kHighest = 32767;

int To16Bit(int value) {
    return std::clamp(value, kLowest, kHighest);
}

} // namespace

HScrollBar::HScrollBar(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index) {
    common_.height = 255;
}

HWND HScrollBar::CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) {
    return CreateSystemWindow("SCROLLBAR", parent, pixels, style | SBS_HORZ, 0, "");
}

void HScrollBar::AfterCreate() {
    ApplyRange();
}

void HScrollBar::ApplyRange() {
    if (!hWnd())
        return;
    SetScrollRange(hWnd(), SB_CTL, props_.min, std::max(props_.min, props_.max), FALSE);
    SetScrollPos(hWnd(), SB_CTL, props_.value, TRUE);
}

int HScrollBar::Clamp(int value) const {
    return std::clamp(value, props_.min, std::max(props_.min, props_.max));
}

bool HScrollBar::Store(int value) {
    value = Clamp(value);
    if (value == props_.value)
        return false;
    props_.value = value;
    if (hWnd())
        SetScrollPos(hWnd(), SB_CTL, value, TRUE);
    return true;
}

void HScrollBar::SetMin(int min) {
    props_.min = To16Bit(min);
    ApplyRange();
    if (Store(props_.value) && OnChange)
        OnChange();
}

void HScrollBar::SetMax(int max) {
    props_.max = To16Bit(max);
    ApplyRange();
    if (Store(props_.value) && OnChange)
        OnChange();
}

void HScrollBar::SetValue(int value) {
    if (Store(value) && OnChange)
        OnChange();
}

bool HScrollBar::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_HSCROLL)
        return false;
    result = 0;
    // The thumb position travels as 16 bits: unsigned for a range that
    // starts at 0 or above, signed otherwise.
    const int thumb = props_.min >= 0 ? static_cast<int>(HIWORD(wParam))
                                      : static_cast<int>(static_cast<short>(HIWORD(wParam)));
    int target = props_.value;
    switch (LOWORD(wParam)) {
    case SB_LINELEFT:
        target -= props_.smallChange;
        break;
    case SB_LINERIGHT:
        target += props_.smallChange;
        break;
    case SB_PAGELEFT:
        target -= props_.largeChange;
        break;
    case SB_PAGERIGHT:
        target += props_.largeChange;
        break;
    case SB_LEFT:
        target = props_.min;
        break;
    case SB_RIGHT:
        target = props_.max;
        break;
    case SB_THUMBTRACK:
        if (!dragging_) {
            dragging_ = true;
            valueBeforeDrag_ = props_.value;
        }
        if (Store(thumb) && OnScroll)
            OnScroll();
        return true;
    case SB_THUMBPOSITION: {
        const int before = dragging_ ? valueBeforeDrag_ : props_.value;
        dragging_ = false;
        Store(thumb);
        if (props_.value != before && OnChange)
            OnChange();
        return true;
    }
    default:
        return true;
    }
    SetValue(target);
    return true;
}

} // namespace forms
