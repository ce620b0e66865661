// Installation identity and the settings of the suite's own registry key.
// Each operation opens the settings key, reads or writes, and closes it at
// once; its result is the AND of the open and of every read or write.
#pragma once

#include <windows.h>

#include <string>

namespace basOEM {

// Identity values, process-wide; a failed load leaves a value as it was.
extern std::string VenderName;
extern std::string VenderStyle;
extern std::string InstallPath; // no trailing backslash
extern std::string WindowsPath;
extern std::string SystemPath;
extern std::string HardwareID;

// Index of the calibration procedure; 0 until loaded.
extern int CalibrationMode;

// Shown by every program that cannot load the identity, before it ends.
constexpr const char* LoadFailureText = "Fail to load data from Register File!";

// Where the settings key is: root, key path and product subkey.
void SetSettingsLocation(HKEY root, const std::string& keyPath, const std::string& subkey);
// Opens (creating when missing) the settings key; the caller closes it.
bool OpenSettingsKey(HKEY& key);
// The suite's key of this build, then LoadIdentity.
bool OpenSuiteKey();
// Reads all six identity values even when one fails; true only when every
// one of them was read. The three folder paths must be absolute; an empty
// or relative one counts as missing.
bool LoadIdentity();

bool SaveVenderName();
bool SaveVenderStyle();
bool SaveHardwareId();

bool LoadCalibrationMode();
bool SaveCalibrationMode();

} // namespace basOEM
