// The control panel's entry point; the program lives in basMain.
#include <windows.h>

#include "basMain.h"
#include "frmMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return basMain::Main(frmMainForm());
}
