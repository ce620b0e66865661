// Companion commands, the start of the companion programs, and the
// single-instance test of the control panel and the startup agent.
#pragma once

#include <windows.h>

#include <string>

namespace basPostMesg {

// WM_USER wParam codes of the companion commands (lParam 0).
constexpr WPARAM HideToolCode = 0x1000;
constexpr WPARAM ShowToolCode = 0x1001;
constexpr WPARAM QuitToolCode = 0x100E;
constexpr WPARAM QuitSmiCode = 0x200E;

// Sends the command to another program's window and waits for its answer,
// for a second at most: a window whose program does not answer in time, or
// that the system counts as hung, is passed over as a missing one is, with
// no message. True when the window answered.
bool SendCommand(HWND window, WPARAM code);

// Each asks the driver for the companion's window and sends the command only
// to a registered window; with none registered nothing is sent or reported.
// A quit that the window leaves unanswered is posted as well, to wait in its
// queue.
void HideToolWindow();
void ShowToolWindow();
void QuitTool();
void QuitSmi();

// Start the right-button tool hidden / the SMI program shown normally, from
// InstallPath; true when WinExec accepted the program. Neither waits.
bool StartTool();
bool StartSmi();

// Another top-level window titled exactly `title`, not `own`, a shown one
// before a hidden one; or 0. The walk over the windows is repeated when it
// finds no shown one, since windows close and move under it.
HWND FindInstanceWindow(HWND own, const std::string& title);

// True when a copy of the program (file name such as "KVD2KCcp.exe") already
// runs. Call once at start, before any window is shown: the first copy keeps
// holding its named mutex until it ends.
bool AnotherCopyRuns(const std::string& programFile);
// Brings the running copy's window (by title) to the front; when none is
// found shows "Application is running!". True when a window was activated.
bool ActivateRunningCopy(HWND own, const std::string& title);

} // namespace basPostMesg
