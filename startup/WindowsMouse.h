// Windows' double-click settings: the system calls that change them, kept in
// one table so that an in-process test can make each of them fail.
#pragma once

#include <windows.h>

#include <string>

namespace WindowsMouse {

struct SystemCalls {
    // SystemParametersInfoA(action, value, null, SPIF_SENDWININICHANGE).
    bool (*SetParameter)(UINT action, UINT value);
    // HKEY_CURRENT_USER "Control Panel\Mouse", created when missing.
    bool (*OpenMouseKey)(HKEY& key);
    bool (*WriteString)(HKEY key, const std::string& name, const std::string& text);
};

// The calls in use: the real ones unless a test has replaced them.
const SystemCalls& Calls();
// For tests: later calls go to `*calls`; nullptr puts the real ones back.
void ReplaceCalls(const SystemCalls* calls);

} // namespace WindowsMouse
