// System restart: gives the process the shutdown privilege and asks Windows
// to restart, reporting the first step that fails in an OK box titled with
// the program title (ProgramTitle.h).
#pragma once

#include <windows.h>

namespace basExitWin {

// True when Windows accepted the restart request; false after the failure
// message. Callers end the program either way.
bool RestartWindows();

// The four system calls of RestartWindows, replaceable so that in-process
// tests can make each step fail without restarting the machine.
struct SystemCalls {
    BOOL(WINAPI* OpenProcessToken)(HANDLE process, DWORD access, HANDLE* token);
    BOOL(WINAPI* LookupPrivilegeValueA)(const char* system, const char* name, LUID* luid);
    BOOL(WINAPI* AdjustTokenPrivileges)
    (HANDLE token, BOOL disableAll, TOKEN_PRIVILEGES* state, DWORD length,
     TOKEN_PRIVILEGES* previous, DWORD* returnedLength);
    BOOL(WINAPI* ExitWindowsEx)(UINT flags, DWORD reason);
};

// The calls in use: the real ones unless a test has replaced them.
const SystemCalls& Calls();
// For tests: later calls go to `*calls`; nullptr puts the real ones back.
void ReplaceCalls(const SystemCalls* calls);

} // namespace basExitWin
