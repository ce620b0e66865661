// The picture on the tool's button: a mouse whose right button is marked.
#pragma once

#include <windows.h>

namespace RightButtonIcon {

constexpr int IconSize = 36; // pixels, square

// A new icon of IconSize x IconSize pixels; the caller owns it. Null when
// the system has no resources left.
HICON Create();

} // namespace RightButtonIcon
