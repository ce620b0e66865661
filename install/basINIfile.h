// The installer's files: setup.ini (initial touch settings), setup.oem (the
// reseller's name and title style) and the [Strings] of the PS/2 driver's INF
// file, all read and written through the private-profile functions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "SetupSettings.h"

namespace basINIfile {

// The value with trailing spaces removed; "" when the key or the file is
// missing; at most 254 characters.
std::string ReadIniValue(const std::string& path, const std::string& section,
                         const std::string& key);
bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);

// InstallPath + "\setup.ini" and "\setup.oem".
std::string SetupIniPath();
std::string SetupOemPath();

// The key of [Settings] in setup.ini as SetupSettings::BoundedValue reads it.
int32_t ReadBoundedSetting(const std::string& key, int32_t minimum, int32_t maximum);

// WriteDword; a failure shows "Fail to save settings! (<name>)".
void SaveSettingValue(HKEY key, const std::string& name, uint32_t value);
// Every planned value in turn; a failed one does not stop the others.
void SaveSettingValues(HKEY key, const std::vector<SetupSettings::SettingWrite>& writes);

// setup.ini into the settings key; nothing when the file is missing.
void ImportSetupIni();
// TITLE and STYLE of setup.oem into VenderName and VenderStyle; an empty
// value leaves the stored one.
void ApplySetupOem();
// The PS/2 driver's display strings into <WindowsPath>\inf\KVD2KPS2.INF.
void EditDriverInf();

} // namespace basINIfile
