// Finding the windows of a running program from outside: its top-level
// windows, its forms by form name or title, and its controls by name. Forms
// and controls of the suite carry their name in the window property
// "TsControlName" as a global atom ("frmMain", "cmdApply", "optMode(2)").
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Wait.h"

namespace e2e {

// Every top-level window of the process, shown or hidden, in z-order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);

std::string TextOf(HWND window);
std::string ClassOf(HWND window);
// The suite name of a form or control; empty for other windows.
std::string ControlNameOf(HWND window);

// Top-level window of the process with this form name, or 0.
HWND FindForm(DWORD processId, const std::string& formName);
// Top-level window of the process with exactly this title, message boxes
// (class "#32770") not counted; or 0.
HWND FindWindowTitled(DWORD processId, const std::string& title);
// The same, awaited; 0 and a failure on timeout.
HWND WaitForForm(DWORD processId, const std::string& formName, DWORD timeoutMs = DefaultTimeoutMs);
HWND WaitForWindowTitled(DWORD processId, const std::string& title,
                         DWORD timeoutMs = DefaultTimeoutMs);

// The descendant of `form` with this control name, or 0.
HWND FindControl(HWND form, const std::string& controlName);
HWND WaitForControl(HWND form, const std::string& controlName, DWORD timeoutMs = DefaultTimeoutMs);

// Awaits IsWindowVisible(window) == visible; a failure on timeout.
bool WaitForVisible(HWND window, bool visible, DWORD timeoutMs = DefaultTimeoutMs);
// Awaits the destruction of the window.
bool WaitForGone(HWND window, DWORD timeoutMs = DefaultTimeoutMs);

RECT WindowRectOf(HWND window);
// The client area in screen coordinates.
RECT ClientRectOnScreen(HWND window);
bool IsTopmost(HWND window);

} // namespace e2e
