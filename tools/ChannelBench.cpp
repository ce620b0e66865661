// Opens this build's device like every program of the suite, reads the
// device record, and times the requests: a console check that the simulated
// controller answers, and the measure of one request under Wine.
#include <windows.h>

#include <cstdio>

#include "BasGlobal.h"
#include "basVersion.h"

int main(int argc, char** argv) {
    int rounds = argc > 1 ? atoi(argv[1]) : 20000;
    if (!BasGlobal::OpenDevice()) {
        printf("%s: cannot open %s (error %lu)\n", basVersion::DriverFile, basVersion::DeviceName,
               GetLastError());
        return 1;
    }
    BasGlobal::GetDeviceRecord();
    const DeviceRecord& r = BasGlobal::Device;
    printf("%s: %lu-byte record, ComPort=%d BasePort=%04X Irq=%d McuVersion=%02X\n",
           basVersion::DeviceName, BasGlobal::LastByteCount, r.ComPort, r.BasePort & 0xFFFF, r.Irq,
           r.McuVersion);

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    auto time = [&](const char* name, void (*request)()) {
        QueryPerformanceCounter(&start);
        for (int i = 0; i < rounds; i++)
            request();
        QueryPerformanceCounter(&end);
        double us = 1e6 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        printf("%-16s %8.1f us per request (%d requests)\n", name, us / rounds, rounds);
    };
    time("GetDeviceRecord", BasGlobal::GetDeviceRecord);
    time("GetToolWindow", BasGlobal::GetToolWindow);
    time("GetTouchStatus", BasGlobal::GetTouchStatus);
    BasGlobal::CloseDevice();
    return r.ComPort != 0 ? 0 : 2;
}
