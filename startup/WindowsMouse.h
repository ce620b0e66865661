// Windows' double-click settings: the system calls that change them, kept in
// one table so that an in-process test can make each of them fail.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace WindowsMouse {

struct Calls {
    // SystemParametersInfoA(action, value, null, SPIF_SENDWININICHANGE).
    std::function<bool(UINT action, UINT value)> SetParameter;
    // HKEY_CURRENT_USER "Control Panel\Mouse", created when missing.
    std::function<bool(HKEY& key)> OpenMouseKey;
    std::function<bool(HKEY key, const std::string& name, const std::string& text)> WriteString;
};

// The real calls until a test replaces them.
Calls& System();

} // namespace WindowsMouse
