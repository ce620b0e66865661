#include "WindowsMouse.h"

#include "basRegistry.h"

namespace WindowsMouse {

namespace {

// Windows broadcasts the change but does not store it: the agent writes
// Control Panel\Mouse itself.
bool SetAndBroadcast(UINT action, UINT value) {
    return SystemParametersInfoA(action, value, nullptr, SPIF_SENDWININICHANGE) != FALSE;
}

bool OpenMouseKey(HKEY& key) {
    std::string subkey = "Mouse";
    return basRegistry::OpenOrCreateKey(HKEY_CURRENT_USER, "Control Panel", subkey, key);
}

// Set while a test replaces the calls.
const SystemCalls* replacement = nullptr;

} // namespace

const SystemCalls& Calls() {
    static const SystemCalls real = {SetAndBroadcast, OpenMouseKey, basRegistry::WriteString};
    return replacement ? *replacement : real;
}

void ReplaceCalls(const SystemCalls* calls) {
    replacement = calls;
}

} // namespace WindowsMouse
