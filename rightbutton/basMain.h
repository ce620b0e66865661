// The right-button tool's module: program start, the form, and the tool's
// own message handler for the commands of the other programs.
#pragma once

#include <windows.h>

class frmMain;

namespace basMain {

// The tool's one window.
frmMain& MainForm();

// Loads the form (which registers the tool or ends the program), shows it
// and runs until it is unloaded.
int Main();

// Saves the window's message handler and puts RBF_WndProc in its place.
void InstallHandler(HWND window);
// Puts the saved handler back; nothing when none is installed.
void RemoveHandler(HWND window);

// WM_USER 0x1000 hide, 0x1001 show, 0x100E close; any other WM_USER code is
// reported in a message box (one at a time). Every WM_USER returns 0; all other messages go
// to the saved handler.
LRESULT CALLBACK RBF_WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace basMain
