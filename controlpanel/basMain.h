// The control panel's module: the program start and the routines that every
// other window of the control panel shares with the main window.
#pragma once

#include <string>

#include "forms/Form.h"

namespace basMain {

// InstallPath + "\TSVender.Bmp", kept by the main window for the Support
// button and the support window; empty when TSVender.Cut is present.
extern std::string VenderBitmapPath;

// Loads the main window (which runs the start-up checks) and runs the
// program until its last window closes; the process exit code.
int Main();

// Shows the main window again and gives it the focus; every other window
// calls it when it unloads. Does nothing while the main window is not
// loaded: showing it would load it, which runs the whole start-up again.
void ReturnToMainWindow();

// The common end of every sub-window's load: the main window's version line
// and caption, its branding, the window centred and its icon centred. Works
// with whichever of lblSystem, lblOemTitle, picLogo, picIcon and imgIcon the
// window has.
void PrepareSubWindow(forms::Form& window);

} // namespace basMain
