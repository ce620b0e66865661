#include "Input.h"

#include "Failure.h"

namespace e2e {

namespace {

struct ModifierKey {
    unsigned modifier;
    BYTE generic;
    BYTE left;
};
const ModifierKey ModifierKeys[] = {
    {Shift, VK_SHIFT, VK_LSHIFT}, {Ctrl, VK_CONTROL, VK_LCONTROL}, {Alt, VK_MENU, VK_LMENU}};

LPARAM KeyParam(BYTE virtualKey, bool up, bool altDown) {
    LPARAM param = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0) << 16);
    if (altDown)
        param |= 1L << 29;
    if (up)
        param |= static_cast<LPARAM>(0xC0000000UL);
    return param;
}

// While Alt is down keys arrive as system keys; the modifiers are released
// Alt first, as plain key ups, as after a real key combination.
void PostKey(HWND window, BYTE virtualKey, bool up, bool altDown) {
    const UINT message =
        up ? (altDown ? WM_SYSKEYUP : WM_KEYUP) : (altDown ? WM_SYSKEYDOWN : WM_KEYDOWN);
    PostMessageA(window, message, virtualKey, KeyParam(virtualKey, up, altDown));
}

struct ButtonMessages {
    UINT down;
    UINT up;
    WPARAM flag;
};

ButtonMessages MessagesOf(MouseButton button) {
    switch (button) {
    case MouseButton::Right:
        return {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON};
    case MouseButton::Middle:
        return {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON};
    case MouseButton::Left:
        break;
    }
    return {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON};
}

} // namespace

HeldModifiers::HeldModifiers(HWND window, unsigned modifiers)
    : ownThread_(GetCurrentThreadId()), windowThread_(GetWindowThreadProcessId(window, nullptr)),
      attached_(false) {
    attached_ = windowThread_ != 0 && AttachThreadInput(ownThread_, windowThread_, TRUE);
    if (!attached_) {
        KIT_FAILURE() << "cannot share the key state with the thread of window " << window
                      << ": error " << GetLastError();
        return;
    }
    SetState(modifiers);
}

HeldModifiers::~HeldModifiers() {
    if (!attached_)
        return;
    SetState(NoModifier);
    AttachThreadInput(ownThread_, windowThread_, FALSE);
}

void HeldModifiers::SetState(unsigned modifiers) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    for (const ModifierKey& key : ModifierKeys) {
        const BYTE value = (modifiers & key.modifier) ? 0x80 : 0;
        state[key.generic] = value;
        state[key.left] = value;
    }
    SetKeyboardState(state);
}

void ClickButton(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

void MousePress(HWND window, MouseButton button, POINT point, unsigned modifiers) {
    WPARAM keys = 0;
    if (modifiers & Shift)
        keys |= MK_SHIFT;
    if (modifiers & Ctrl)
        keys |= MK_CONTROL;
    const ButtonMessages messages = MessagesOf(button);
    const LPARAM where = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_MOUSEMOVE, keys, where);
    PostMessageA(window, messages.down, keys | messages.flag, where);
    PostMessageA(window, messages.up, keys, where);
}

void MousePress(HWND window, MouseButton button, unsigned modifiers) {
    RECT client = {};
    GetClientRect(window, &client);
    MousePress(window, button, POINT{client.right / 2, client.bottom / 2}, modifiers);
}

void PressKey(HWND window, BYTE virtualKey, unsigned modifiers) {
    bool altDown = false;
    for (const ModifierKey& key : ModifierKeys)
        if (modifiers & key.modifier) {
            altDown = altDown || key.generic == VK_MENU;
            PostKey(window, key.generic, false, altDown);
        }
    PostKey(window, virtualKey, false, altDown);
    PostKey(window, virtualKey, true, altDown);
    for (auto key = std::rbegin(ModifierKeys); key != std::rend(ModifierKeys); ++key)
        if (modifiers & key->modifier)
            PostKey(window, key->generic, true, false); // Alt goes up first
}

} // namespace e2e
