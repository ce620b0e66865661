// The removal program's texts and the command lines it starts. Pure.
#pragma once

#include <string>

namespace RemovalTexts {

// "TouchScreen V.7.0.COM" (PS/2 build "TouchScreen V.7.0.PS2").
std::string ProductName();
// The confirmation question naming the product.
std::string QuestionText();
// The uninstaller of the install folder, run silently. The program path is
// quoted, so that a folder with blanks cannot start another program.
std::string UninstallerCommandLine(const std::string& installPath);
// The registration program told to remove the PS/2 driver from the device:
// <WindowsPath>\KVD2KReg.exe <WindowsPath>\inf\MSMOUSE.inf <HardwareID> Remove
std::string UnregisterCommandLine(const std::string& windowsPath, const std::string& hardwareId);
// "Fail to remove files! (<reason>)".
std::string FailureText(const std::string& reason);

constexpr const char* WarningText =
    "If Removal is complete, TouchScreen will not work next time when you start Windows!";
constexpr const char* RemovingText = "Removing files from your system...";
constexpr const char* UpdatingText = "Removal is updating your system...";
constexpr const char* CompletionText =
    "Removal is complete to uninstall TouchScreen drivers and utilities.\r\n\r\n"
    "The Windows must be restarted.";
constexpr const char* SystemLineText = "TouchScreen Software Removal Version ";

} // namespace RemovalTexts
