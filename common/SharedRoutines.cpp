#include "SharedRoutines.h"

#include <windows.h>

#include "Hourglass.h"
#include "basOEM.h"
#include "basPostMesg.h"
#include "forms/Form.h"
#include "forms/MsgBox.h"
#include "forms/Runtime.h"

namespace BasGlobal {

constexpr unsigned ErrorBoxStyle = MB_OK | MB_ICONHAND | MB_SYSTEMMODAL; // 0x1010
static_assert(ErrorBoxStyle == 0x1010, "error box style");
constexpr unsigned YesNoQuestionStyle = MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL;
static_assert(YesNoQuestionStyle == 4 + 32 + 4096, "question box style");

int ShowErrorBox(const std::string& text, const std::string& title) {
    MessageBeep(0);
    return forms::MsgBox(text, ErrorBoxStyle, title);
}

int AskYesNo(const std::string& text, unsigned extraStyle, const std::string& title) {
    return forms::MsgBox(text, extraStyle + YesNoQuestionStyle, title);
}

bool FileExists(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        SetLastError(0);
        return false;
    }
    CloseHandle(file);
    return true;
}

void HideCursor() {
    while (ShowCursor(FALSE) >= 0) {
    }
}

void ShowCursorAgain() {
    while (ShowCursor(TRUE) < 0) {
    }
}

void PauseSeconds(int seconds) {
    if (seconds > 0)
        forms::PauseMilliseconds(static_cast<unsigned long>(seconds) * 1000UL);
}

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
