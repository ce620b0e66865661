// Handler types of the events that forms and controls raise.
#pragma once

#include <functional>

namespace forms {

using EventHandler = std::function<void()>;
// button: 1 left, 2 right, 4 middle (for a move: all buttons held);
// shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in the units of the control's container
// (a picture box's own units for its own events).
using MouseHandler = std::function<void(int button, int shift, int x, int y)>;
// Setting keyCode to 0 swallows the key.
using KeyHandler = std::function<void(int& keyCode, int shift)>;
// Setting keyAscii to 0 swallows the character.
using KeyPressHandler = std::function<void(int& keyAscii)>;

} // namespace forms
