// The removal program's module: its start, and what follows the user's Yes
// on the confirmation window: the companion programs told to quit, the
// uninstaller run and waited for, the program's own file scheduled for
// deletion at restart, and the build's own ending.
#pragma once

#include <windows.h>

#include <string>

namespace basMain {

// Loads the confirmation window (which runs the start-up checks) and runs
// the program until it ends; the process exit code.
int Main();

// Everything after Yes, in order; ends the program unless the PS/2 build
// leaves it to the registration program.
void RemoveSuite();

// The right-button tool and the SMI program told to quit, when the driver
// can be opened; without a driver nothing is sent.
void CloseSuitePrograms();

// Starts InstallPath\unins000.exe /SILENT and waits at most ten attempts of
// a second for it. True when it finished with exit code 0; otherwise the
// failure box has been shown ("Startup", "WAIT_FAILED", "WAIT_ABANDONED",
// "WAIT_TIMEOUT", or "Exit code N" for an uninstaller that failed).
bool RunUninstaller();

// The real attempt of the wait: sleeps on the process and on window
// messages, handling the messages as they come, so the program stays
// responsive at no CPU cost. Returns a WaitForSingleObject result.
DWORD WaitHandlingEvents(HANDLE process, DWORD milliseconds);

// The calls of the wait on the uninstaller; in-process tests produce the
// results that a real process cannot (WAIT_FAILED, WAIT_ABANDONED).
struct ProcessCalls {
    // One attempt: the process handle and the longest wait in milliseconds.
    DWORD (*WaitForProcess)(HANDLE process, DWORD milliseconds);
    BOOL(WINAPI* GetExitCodeProcess)(HANDLE process, LPDWORD exitCode);
};
// The calls in use: the real ones unless a test has replaced them.
const ProcessCalls& Calls();
// For tests: later calls go to `*calls`; nullptr puts the real ones back.
void ReplaceCalls(const ProcessCalls* calls);

constexpr int WaitAttempts = 10;
constexpr DWORD WaitAttemptMs = 1000;

} // namespace basMain
