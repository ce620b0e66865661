#include "basExitWin.h"

#include <string>

#include "ProgramTitle.h"
#include "forms/MsgBox.h"

namespace basExitWin {

namespace {

constexpr DWORD TokenAccess = TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY;
static_assert(TokenAccess == 0x28, "token access");
constexpr UINT RestartFlags = EWX_REBOOT | EWX_FORCEIFHUNG;
static_assert(RestartFlags == 0x12, "restart flags");
// The previous-state buffer: a privilege set with room for two entries.
constexpr DWORD PreviousStateSize = 28;

// Set while a test replaces the calls.
const SystemCalls* replacement = nullptr;

bool Fail(const std::string& step, DWORD number) {
    forms::MsgBox("Fail to restart system! (" + step + std::to_string(number) + ")", MB_OK,
                  BasGlobal::ProgramTitle());
    return false;
}

} // namespace

const SystemCalls& Calls() {
    static const SystemCalls real = {::OpenProcessToken, ::LookupPrivilegeValueA,
                                     ::AdjustTokenPrivileges, ::ExitWindowsEx};
    return replacement ? *replacement : real;
}

void ReplaceCalls(const SystemCalls* calls) {
    replacement = calls;
}

bool RestartWindows() {
    const SystemCalls& calls = Calls();
    HANDLE token = nullptr;
    if (!calls.OpenProcessToken(GetCurrentProcess(), TokenAccess, &token))
        return Fail("OpenProcessToken=", 0);

    // Both privilege steps are judged by the last-error code, which a
    // successful call leaves as it was: clear it first, or an earlier
    // failure of any call would be reported as theirs.
    TOKEN_PRIVILEGES privileges = {};
    SetLastError(0);
    calls.LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
    DWORD error = GetLastError();
    if (error != 0) {
        CloseHandle(token);
        return Fail("LookupPrivilegeValue = ", error);
    }

    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    alignas(TOKEN_PRIVILEGES) unsigned char previous[PreviousStateSize] = {};
    DWORD returnedLength = 0;
    SetLastError(0);
    calls.AdjustTokenPrivileges(token, FALSE, &privileges, PreviousStateSize,
                                reinterpret_cast<TOKEN_PRIVILEGES*>(previous), &returnedLength);
    error = GetLastError();
    CloseHandle(token);
    if (error != 0)
        return Fail("AdjustTokenPrivileges = ", error);

    if (calls.ExitWindowsEx(RestartFlags, 0))
        return true;
    return Fail("ExitWindowsEx=", 0);
}

} // namespace basExitWin
