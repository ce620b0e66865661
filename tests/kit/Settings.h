// The settings key of this build (HKEY_LOCAL_MACHINE
// SOFTWARE\Orvalith\TouchScreen\TS-COM or \TS-PS2), prepared as the
// distributor's setup leaves it, so that programs find their installation.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// The installation identity; the defaults describe an installation in the
// deliverables folder of a standard Windows folder layout.
struct Identity {
    std::string venderName = "Orvalith";
    std::string venderStyle;
    std::string installPath; // empty: the deliverables folder
    std::string windowsPath; // empty: GetWindowsDirectoryA
    std::string systemPath;  // empty: GetSystemDirectoryA
    std::string hardwareId;  // empty: this build's hardware id
};

// "SOFTWARE\Orvalith\TouchScreen\<subkey>".
std::string SettingsKeyName();
// Empties the settings key (creating it when missing) and writes the six
// identity values; failures name any value that could not be written.
void PrepareSettingsKey(const Identity& identity = Identity());
// Writes the six identity values over what the key holds; false, with a
// failure for each, when any could not be written.
bool WriteIdentity(const Identity& identity = Identity());
// Leaves the settings key empty.
void ClearSettingsKey();

bool WriteSettingString(const std::string& name, const std::string& value);
bool WriteSettingDword(const std::string& name, DWORD value);
// False when the value was not there (or the key could not be opened).
bool DeleteSetting(const std::string& name);
// Reads of single values; false when missing or of another type.
bool ReadSettingString(const std::string& name, std::string& value);
bool ReadSettingDword(const std::string& name, DWORD& value);

} // namespace e2e
