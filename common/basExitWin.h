// System restart: gives the process the shutdown privilege and asks Windows
// to restart, reporting the first step that fails in an OK box titled with
// the program title (ProgramTitle.h).
#pragma once

#include <windows.h>

#include <functional>

namespace basExitWin {

// True when Windows accepted the restart request; false after the failure
// message. Callers end the program either way.
bool RestartWindows();

// The four system calls of RestartWindows, replaceable so that in-process
// tests can make each step fail without restarting the machine.
struct SystemCalls {
    std::function<BOOL(HANDLE process, DWORD access, HANDLE* token)> OpenProcessToken;
    std::function<BOOL(const char* system, const char* name, LUID* luid)> LookupPrivilegeValue;
    std::function<BOOL(HANDLE token, BOOL disableAll, TOKEN_PRIVILEGES* state, DWORD length,
                       TOKEN_PRIVILEGES* previous, DWORD* returnedLength)>
        AdjustTokenPrivileges;
    std::function<BOOL(UINT flags, DWORD reason)> ExitWindowsEx;
};

SystemCalls RealSystemCalls();
// Every later RestartWindows uses these calls.
void SetSystemCalls(const SystemCalls& calls);

} // namespace basExitWin
