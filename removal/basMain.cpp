#include "basMain.h"

#include "BasGlobal.h"
#include "ProgramTitle.h"
#include "RemovalTexts.h"
#include "SharedRoutines.h"
#include "basExitWin.h"
#include "basOEM.h"
#include "basPostMesg.h"
#include "basVersion.h"
#include "forms/MsgBox.h"
#include "forms/Runtime.h"
#include "frmMain.h"
#include "frmMessage.h"

namespace basMain {

namespace {

constexpr unsigned FailureBoxStyle = MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL;
constexpr unsigned CompletionBoxStyle = MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL;
constexpr int BusyStart = 11;
constexpr int BusyEnd = 0;
constexpr int SecondsBeforeUninstaller = 3;
constexpr int SecondsBeforeRestart = 10;

const ProcessCalls RealCalls = {WaitHandlingEvents, ::GetExitCodeProcess};
const ProcessCalls* CallsInUse = &RealCalls;

void ShowFailure(const std::string& reason) {
    forms::MsgBox(RemovalTexts::FailureText(reason), FailureBoxStyle, basVersion::RemovalTitle);
}

// The uninstaller as a normal window; its process handle, or null. The
// handle comes with the process, so an uninstaller that ends at once is
// still waited for rather than lost.
HANDLE StartUninstaller() {
    std::string commandLine = RemovalTexts::UninstallerCommandLine(basOEM::InstallPath);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

// Deleted by the system at the next restart.
void ScheduleDeletion(const std::string& path) {
    MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

std::string InWindowsFolder(const char* file) {
    return basOEM::WindowsPath + "\\" + file;
}

void FinishSerial() {
    ScheduleDeletion(InWindowsFolder(basVersion::RemovalFile));
    BasGlobal::PauseSeconds(SecondsBeforeRestart);
    frmMessageForm().Unload();
    BasGlobal::BusyCursor(BusyEnd);
    forms::MsgBox(RemovalTexts::CompletionText, CompletionBoxStyle, basVersion::RemovalTitle);
    basExitWin::RestartWindows();
    forms::EndProgram();
}

// As the installer: the progress window closes once the registration
// program has started, and with it the program.
void FinishPs2() {
    ScheduleDeletion(InWindowsFolder(basVersion::RemovalFile));
    ScheduleDeletion(InWindowsFolder(basVersion::RegistrationFile));
    BasGlobal::ShowProgress(RemovalTexts::UpdatingText);
    WinExec(RemovalTexts::UnregisterCommandLine(basOEM::WindowsPath, basOEM::HardwareID).c_str(),
            SW_HIDE);
    BasGlobal::BusyCursor(BusyEnd);
    frmMessageForm().Unload();
    forms::EndProgram();
}

} // namespace

int Main() {
    BasGlobal::SetProgramTitle(basVersion::RemovalTitle);
    frmMain& form = frmMainForm();
    if (!form.Load())
        return 0;
    form.Show();
    return forms::RunMessageLoop();
}

void RemoveSuite() {
    frmMainForm().Hide();
    CloseSuitePrograms();
    BasGlobal::ShowProgress(RemovalTexts::RemovingText);
    BasGlobal::BusyCursor(BusyStart);
    BasGlobal::PauseSeconds(SecondsBeforeUninstaller);
    if (!RunUninstaller()) {
        BasGlobal::BusyCursor(BusyEnd);
        forms::EndProgram();
        return;
    }
    if (basVersion::IsPs2Build)
        FinishPs2();
    else
        FinishSerial();
}

void CloseSuitePrograms() {
    if (!BasGlobal::OpenDevice())
        return;
    basPostMesg::QuitTool();
    basPostMesg::QuitSmi();
    BasGlobal::CloseDevice();
}

bool RunUninstaller() {
    HANDLE process = StartUninstaller();
    if (process == nullptr) {
        ShowFailure("Startup");
        return false;
    }
    bool finished = false;
    std::string failure;
    for (int attempt = 1; attempt <= WaitAttempts && !finished && failure.empty(); ++attempt) {
        forms::DoEvents();
        switch (Calls().WaitForProcess(process, WaitAttemptMs)) {
        case WAIT_OBJECT_0:
            finished = true;
            break;
        case WAIT_TIMEOUT:
            if (attempt == WaitAttempts)
                failure = "WAIT_TIMEOUT";
            break;
        case WAIT_ABANDONED:
            failure = "WAIT_ABANDONED";
            break;
        default:
            failure = "WAIT_FAILED";
            break;
        }
    }
    // An uninstaller that ended with a failure has not removed the suite;
    // one whose ending cannot be read may not have either.
    DWORD exitCode = 0;
    if (finished && !Calls().GetExitCodeProcess(process, &exitCode))
        failure = "WAIT_FAILED";
    else if (finished && exitCode != 0)
        failure = "Exit code " + std::to_string(exitCode);
    CloseHandle(process);
    if (!failure.empty())
        ShowFailure(failure);
    return failure.empty();
}

DWORD WaitHandlingEvents(HANDLE process, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start; // unsigned: wraps correctly
        const DWORD left = elapsed < milliseconds ? milliseconds - elapsed : 0;
        const DWORD result =
            MsgWaitForMultipleObjectsEx(1, &process, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (result != WAIT_OBJECT_0 + 1)
            return result; // the process, the time, or a failure
        forms::DoEvents();
        if (left == 0)
            return WAIT_TIMEOUT;
    }
}

const ProcessCalls& Calls() {
    return *CallsInUse;
}

void ReplaceCalls(const ProcessCalls* calls) {
    CallsInUse = calls != nullptr ? calls : &RealCalls;
}

} // namespace basMain
