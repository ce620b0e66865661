// The startup agent's entry point; the program lives in BasMain.
#include <windows.h>

#include "BasMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    return BasMain::Main(commandLine ? commandLine : "");
}
