#include "StartChecks.h"

#include "Hourglass.h"
#include "SharedRoutines.h"
#include "basOEM.h"
#include "basPostMesg.h"
#include "forms/Runtime.h"

namespace BasGlobal {

bool EndIfAnotherCopyRuns(forms::Form& main, const char* programFile) {
    // Asked once per process: the answer holds the first copy's claim, and a
    // later load of the window in the same process is not a second copy.
    static const bool anotherCopyRuns = basPostMesg::AnotherCopyRuns(programFile);
    if (!anotherCopyRuns)
        return true;
    basPostMesg::ActivateRunningCopy(main.hWnd(), main.Caption());
    forms::EndProgram();
    return false;
}

bool LoadIdentityOrEnd(forms::Form& main) {
    bool loaded;
    {
        Hourglass busy;
        loaded = basOEM::OpenSuiteKey();
    }
    if (loaded)
        return true;
    ShowErrorBox(basOEM::LoadFailureText, main.Caption());
    forms::EndProgram();
    return false;
}

} // namespace BasGlobal
