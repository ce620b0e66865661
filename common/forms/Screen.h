// Screen metrics, GDI resources and keyboard state shared by the runtime.
#pragma once

#include <windows.h>

#include "Colors.h"

namespace forms {

// Twips per pixel from the screen resolution (15 at 96 dots per inch).
int TwipsPerPixelX();
int TwipsPerPixelY();

// The screen size in twips.
int ScreenWidth();
int ScreenHeight();

// A runtime colour (plain or system) as GDI wants it.
COLORREF ToColorRef(Color color);

// A solid brush of the colour, kept for the life of the process: callers
// never delete it.
HBRUSH SolidBrush(Color color);

// The modifier keys held now, as key and mouse events report them
// (1 Shift, 2 Ctrl, 4 Alt).
int KeyboardShiftState();
bool AltKeyDown();

} // namespace forms
