// Scenarios of the removal program: a test installation in a folder of its
// own (the stand-in uninstaller and the files it lists), the removal and
// registration programs in a Windows folder of their own, the removal
// program started from there as the user starts it.
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

    // The uninstaller, working `seconds` and ending with `exitCode`, and the
    // files it is to remove.
    void InstallUninstaller(const char* seconds, const char* exitCode = "0");
    size_t InstalledFilesLeft() const;
    // The confirmation window, shown; 0 and a test failure when it is not.
    HWND StartRemoval();
    void Press(const char* button);

    // What the uninstaller recorded ("command", "started", "ended").
    std::map<std::string, std::string> UninstallerRecord() const;
    // What the registration program recorded: "<show>\t<command line>" lines.
    std::string RegistrationLog() const;
    // The files scheduled for deletion at restart, in order.
    static std::vector<std::string> PendingDeletions();

    e2e::Program* removal = nullptr;
    HWND confirmation = nullptr;
    std::string windowsDir;
    std::string installDir;
};

bool FileThere(const std::string& path);

} // namespace rmtest
