// The tool's registration in the driver: one registered copy at a time, even
// when copies start together, and never a copy running unregistered.
#pragma once

#include <windows.h>

namespace basRegistration {

// Registers `own` unless another copy of the tool is registered and alive;
// that copy is then told to show itself. False when this copy must end: the
// other copy runs, or the driver could not be read or written reliably.
bool RegisterOrShowRunningCopy(HWND own);

// Withdraws the registration, disarming the driver, when it is this copy's
// own; a registration taken over by another copy is left alone.
void Unregister(HWND own);

// Arms or disarms the driver for the registered window. Disarming is
// repeated while it fails: an armed driver turns the user's next touch into
// a right click.
void Arm();
void Disarm();

// True when `window` is a live window of this build's tool (its caption).
bool IsToolWindow(HWND window);

} // namespace basRegistration
