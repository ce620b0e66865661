#include "ServiceControl.h"

#include <windows.h>

#include "basVersion.h"

namespace e2e {

namespace {

// Waits until the service reports `wanted`, for a few seconds at most.
bool WaitForState(SC_HANDLE service, DWORD wanted) {
    for (int i = 0; i < 100; i++) {
        SERVICE_STATUS status;
        if (!QueryServiceStatus(service, &status))
            return false;
        if (status.dwCurrentState == wanted)
            return true;
        Sleep(50);
    }
    return false;
}

template <typename Action> bool WithService(Action action) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return false;
    SC_HANDLE service = OpenServiceA(manager, basVersion::DriverName, SERVICE_ALL_ACCESS);
    bool ok = service && action(service);
    if (service)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return ok;
}

} // namespace

bool StopDriver() {
    return WithService([](SC_HANDLE service) {
        SERVICE_STATUS status;
        ControlService(service, SERVICE_CONTROL_STOP, &status);
        return WaitForState(service, SERVICE_STOPPED);
    });
}

bool StartDriver() {
    return WithService([](SC_HANDLE service) {
        StartServiceA(service, 0, nullptr);
        return WaitForState(service, SERVICE_RUNNING);
    });
}

} // namespace e2e
