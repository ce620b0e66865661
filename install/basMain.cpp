#include "basMain.h"

#include <windows.h>

#include <string>

#include "InfStrings.h"
#include "ProgramTitle.h"
#include "Ps2Detection.h"
#include "basExitWin.h"
#include "basINIfile.h"
#include "basOEM.h"
#include "basRegistry.h"
#include "basVersion.h"
#include "forms/MsgBox.h"
#include "forms/Runtime.h"
#include "frmMessage.h"

namespace basMain {

namespace {

const char* const Ps2EnumKey = "System\\CurrentControlSet\\Services\\i8042prt\\Enum";
const char* const ProgressText = "Setup is updating your system...";
const char* const FinishedText = "Setup has finished installing TouchScreen drivers and "
                                 "utilities on your computer.\r\n\r\n"
                                 "The Windows must be restarted.";

void ShowMessage(const std::string& text, unsigned style = MB_OK) {
    forms::MsgBox(text, style, basVersion::InstallerTitle);
}

void StartRegistration() {
    const std::string commandLine = basOEM::WindowsPath + "\\" + basVersion::RegistrationFile +
                                    " " + basOEM::WindowsPath + "\\inf\\" + InfStrings::DriverInf +
                                    " " + basOEM::HardwareID + " Install";
    WinExec(commandLine.c_str(), SW_HIDE);
}

void FinishSerial() {
    frmMessageForm().Unload();
    ShowMessage(FinishedText, MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL);
    basExitWin::RestartWindows();
}

void FinishPs2() {
    ChoosePs2HardwareId();
    if (!basOEM::SaveHardwareId())
        ShowMessage("Fail to Set Hardware ID!");
    basINIfile::ApplySetupOem();
    basINIfile::EditDriverInf();
    StartRegistration();
    // The distributor's setup waits for this program: once the registration
    // program runs there is nothing left to show progress for.
    frmMessageForm().Unload();
}

void Install() {
    BasGlobal::SetProgramTitle(basVersion::InstallerTitle);
    BasGlobal::ShowProgress(ProgressText);
    if (!basOEM::OpenSuiteKey()) {
        ShowMessage(basOEM::LoadFailureText);
        forms::EndProgram(1);
        return;
    }
    basINIfile::ImportSetupIni();
    if (basVersion::IsPs2Build) {
        FinishPs2();
    } else {
        basINIfile::ApplySetupOem();
        FinishSerial();
    }
}

} // namespace

bool DetectPs2HardwareId() {
    basOEM::HardwareID = Ps2Detection::NoneDetected;
    HKEY key = nullptr;
    if (!basRegistry::OpenExistingKey(HKEY_LOCAL_MACHINE, Ps2EnumKey, key))
        return false;
    DWORD count = 0;
    if (basRegistry::ReadDword(key, "COUNT", count)) {
        for (DWORD n = 0; n < count; ++n) {
            std::string instancePath;
            if (!basRegistry::ReadString(key, std::to_string(n), instancePath))
                break;
            if (auto id = Ps2Detection::HardwareIdOf(instancePath)) {
                basOEM::HardwareID = *id;
                break;
            }
        }
    }
    basRegistry::CloseKey(key);
    return basOEM::HardwareID != Ps2Detection::NoneDetected;
}

void ChoosePs2HardwareId() {
    if (!DetectPs2HardwareId())
        basOEM::HardwareID = basVersion::HardwareId;
}

int Main() {
    Install();
    // Like every windowed program, it runs while a window of it is loaded.
    return forms::RunMessageLoop();
}

} // namespace basMain
