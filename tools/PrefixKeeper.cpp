// Keeps the prefix's system processes, and with them the loaded simulated
// controllers, alive between test programs: Wine ends its services when the
// last ordinary process of a prefix exits. Ends with the prefix's server.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Sleep(INFINITE);
    return 0;
}
