// User input sent to another program's windows as posted messages, so that
// the harness never blocks on a handler that runs a loop of its own.
#pragma once

#include <windows.h>

namespace e2e {

enum class MouseButton { Left, Right, Middle };

// Modifier bits as the window runtime hands them to event handlers.
enum Modifier : unsigned { NoModifier = 0, Shift = 1, Ctrl = 2, Alt = 4 };

// Posted messages do not change the key state that GetKeyState reads in the
// receiving thread. While this object lives, the window's thread shares the
// harness's key state with the given modifiers down, so handlers that ask
// the keyboard for Shift, Ctrl or Alt see them. Keep it alive until the
// effect of the input has been observed.
class HeldModifiers {
  public:
    HeldModifiers(HWND window, unsigned modifiers);
    ~HeldModifiers();
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

  private:
    void SetState(unsigned modifiers);

    DWORD ownThread_;
    DWORD windowThread_;
    bool attached_;
};

// Posts BM_CLICK to a push button: the button clicks itself when the
// program next processes its messages.
void ClickButton(HWND button);

// Posts a press and release of `button` at `point` (client coordinates),
// with the modifier flags that mouse messages carry (Shift, Ctrl).
void MousePress(HWND window, MouseButton button, POINT point, unsigned modifiers = NoModifier);
// The same at the middle of the client area.
void MousePress(HWND window, MouseButton button, unsigned modifiers = NoModifier);

// Posts key down and key up of `virtualKey`, wrapped in the down and up
// messages of the modifier keys (Alt as system keys).
void PressKey(HWND window, BYTE virtualKey, unsigned modifiers = NoModifier);

} // namespace e2e
