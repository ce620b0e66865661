// Mouse button and modifier codes that the runtime hands to event handlers:
// Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt. Pure: the
// raw message flags are passed in, so the host build tests the decoding.
#pragma once

namespace forms {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Flag bits of the key state that mouse messages carry in wParam.
constexpr unsigned kRawLeftButton = 0x0001;
constexpr unsigned kRawRightButton = 0x0002;
constexpr unsigned kRawShift = 0x0004;
constexpr unsigned kRawControl = 0x0008;
constexpr unsigned kRawMiddleButton = 0x0010;

// Alt is not among the message flags; the caller reads it from the keyboard.
constexpr int ShiftState(bool shift, bool ctrl, bool alt) {
    return (shift ? kShiftMask : 0) | (ctrl ? kCtrlMask : 0) | (alt ? kAltMask : 0);
}

constexpr int ShiftFromMouseFlags(unsigned flags, bool altDown) {
    return ShiftState((flags & kRawShift) != 0, (flags & kRawControl) != 0, altDown);
}

// All buttons held, as the move event reports them.
constexpr int ButtonsFromMouseFlags(unsigned flags) {
    return ((flags & kRawLeftButton) ? kLeftButton : 0) |
           ((flags & kRawRightButton) ? kRightButton : 0) |
           ((flags & kRawMiddleButton) ? kMiddleButton : 0);
}

} // namespace forms
