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

} // namespace

Calls& System() {
    static Calls calls{SetAndBroadcast, OpenMouseKey, basRegistry::WriteString};
    return calls;
}

} // namespace WindowsMouse
