// Scenarios of the removal program: a test installation in a folder of its
// own (the stand-in uninstaller, the files it lists, a few more), the
// removal program and the registration program copied into a Windows
// folder of its own, the removal program started from there, as the user
// starts it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "E2e.h"

namespace rmtest {

class RemovalScenario : public e2e::Scenario {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The stand-in uninstaller in the install folder, with its list of the
    // installation's files (which are created too), working `seconds`.
    void InstallUninstaller(const char* seconds);
    // The listed files still in the install folder.
    std::vector<std::string> InstalledFilesLeft() const;

    // Starts the removal program from the Windows folder and waits for its
    // confirmation window; 0 and a test failure when it does not come.
    HWND StartRemoval();
    e2e::Program& Removal() { return *removal_; }
    // Clicks cmdYes or cmdNo of the confirmation window.
    void Press(const char* button);

    // The uninstaller's record: "command", "started", "ended"; empty when
    // it did not run.
    std::map<std::string, std::string> UninstallerRecord() const;
    // What the registration program in the Windows folder recorded of its
    // starts: a line "<show command>\t<command line>" for each.
    std::string RegistrationLog() const;
    // The files scheduled for deletion at restart, in order.
    static std::vector<std::string> PendingDeletions();
    static void ClearPendingDeletions();

    const std::string& WindowsDir() const { return windowsDir_; }
    const std::string& InstallDir() const { return installDir_; }

  private:
    std::string baseDir_;
    std::string windowsDir_;
    std::string installDir_;
    std::string recordPath_;
    e2e::Program* removal_ = nullptr;
    HWND confirmation_ = nullptr;
};

bool FileThere(const std::string& path);
// A tick count from the uninstaller's record.
DWORD Tick(const std::string& text);

} // namespace rmtest
