// The startup agent's entry point; the program lives in BasMain.
#include <windows.h>

#include "BasMain.h"
#include "StartupRules.h"

// The line as it was given: the runtime's copy has lost the blanks before the
// arguments, which make "/SDC" a line of another meaning.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* commandLine = GetCommandLineA();
    return BasMain::Main(StartupRules::ArgumentsOf(commandLine ? commandLine : ""));
}
