// The lamp of the double-click test area, lit and dark, drawn at run time so
// that the program needs no icon file.
#pragma once

#include <windows.h>

namespace LampIcon {

// A new icon; the caller owns it.
HICON Create(bool lit);

} // namespace LampIcon
