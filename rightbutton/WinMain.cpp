// The right-button tool's entry point; the program lives in basMain.
#include <windows.h>

#include "basMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return basMain::Main();
}
