// The control panel's module: the program start and the routines that every
// other window of the control panel shares with the main window.
#pragma once

#include <string>

#include "WindowHead.h"
#include "forms/Form.h"

namespace basMain {

// InstallPath + "\TSVender.Bmp", kept by the main window for the Support
// button and the support window; empty when TSVender.Cut is present.
extern std::string VenderBitmapPath;

// The title, version line, branding and icon of every window of the control
// panel, computed by the main window when it loads.
extern WindowHead::Look Head;

// The window every other window returns to; it names itself when it is made.
void SetMainWindow(forms::Form& window);

// Loads the main window (which runs the start-up checks) and runs the
// program until its last window closes; the process exit code.
int Main(forms::Form& mainWindow);

// Shows the main window again and gives it the focus; every other window
// calls it when it unloads. Does nothing while the main window is not
// loaded: showing it would load it, which runs the whole start-up again.
void ReturnToMainWindow();

// The common end of every sub-window's load: the program's head and title,
// the window centred and its icon centred.
void PrepareSubWindow(forms::Form& window, WindowHead& head);
// The same for a window without a head: its title and place.
void PrepareSubWindow(forms::Form& window);

} // namespace basMain
