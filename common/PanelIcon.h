// The suite's product icon: a touch monitor, drawn at run time so
// that the program needs no icon file.
#pragma once

#include <windows.h>

namespace PanelIcon {

constexpr int IconSize = 32; // pixels

// A new icon; the caller owns it.
HICON Create();

} // namespace PanelIcon
