// The startup agent's module: the program start, the logon run and the
// double-click values it keeps for the whole run.
#pragma once

#include <string>

#include "StartupRules.h"

namespace BasMain {

// The command line asked for the double-click settings window.
extern bool SwitchSDC;
// The double-click values as stored and applied.
extern StartupRules::DoubleClick DoubleClick;

// Runs the program for its arguments (the command line without the program
// name, StartupRules::ArgumentsOf); the process exit code.
int Main(const std::string& commandLine);

// The stored values from the settings key; all three defaults when any of
// them cannot be read or lies outside its scroll bar's range.
void LoadDoubleClick();
// Writes the three values into the settings key; true when all were written.
bool SaveDoubleClick();
// Hands the values to Windows, stores them in Control Panel\Mouse and in the
// settings key, and reports every failed step in one box.
void ApplyDoubleClick();
// The values Windows uses now.
StartupRules::DoubleClick SystemDoubleClick();

// After the window has loaded without the switch: the values to Windows,
// the companion programs, the screen size; it ends about a second after
// the process started.
void LogonRun();

} // namespace BasMain
