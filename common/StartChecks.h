// The checks that a program's main window runs first when it loads; each
// ends the program, after telling the user where the design says so, when
// the program cannot go on.
#pragma once

#include "forms/Form.h"

namespace BasGlobal {

// True when no other copy of the program (file name such as "KVD2KCcp.exe")
// runs. Otherwise brings that copy's window, found by this window's
// caption, to the front (or says the program runs) and ends the program.
bool EndIfAnotherCopyRuns(forms::Form& main, const char* programFile);

// The installation identity under the hourglass; when it cannot be read,
// "Fail to load data from Register File!" titled with the window caption,
// and the end of the program.
bool LoadIdentityOrEnd(forms::Form& main);

} // namespace BasGlobal
