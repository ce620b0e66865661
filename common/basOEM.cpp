#include "basOEM.h"

#include "PathRules.h"
#include "basRegistry.h"
#include "basVersion.h"

namespace basOEM {

std::string VenderName;
std::string VenderStyle;
std::string InstallPath;
std::string WindowsPath;
std::string SystemPath;
std::string HardwareID;
int CalibrationMode = 0;

namespace {

HKEY SettingsRoot = HKEY_LOCAL_MACHINE;
std::string SettingsKeyPath = basVersion::SettingsKeyPath;
std::string SettingsSubkey = basVersion::SettingsSubkey;

bool SaveString(const char* name, const std::string& text) {
    HKEY key = nullptr;
    if (!OpenSettingsKey(key))
        return false;
    bool written = basRegistry::WriteString(key, name, text);
    basRegistry::CloseKey(key);
    return written;
}

// A folder path that is empty or relative counts as missing and, like a
// missing one, leaves the value as it was.
bool ReadPath(HKEY key, const char* name, std::string& path) {
    std::string text;
    if (!basRegistry::ReadString(key, name, text) || !PathRules::IsAbsolutePath(text))
        return false;
    path = text;
    return true;
}

} // namespace

bool OpenSettingsKey(HKEY& key) {
    return basRegistry::OpenOrCreateKey(SettingsRoot, SettingsKeyPath, SettingsSubkey, key);
}

void SetSettingsLocation(HKEY root, const std::string& keyPath, const std::string& subkey) {
    SettingsRoot = root;
    SettingsKeyPath = keyPath;
    SettingsSubkey = subkey;
}

bool OpenSuiteKey() {
    SetSettingsLocation(HKEY_LOCAL_MACHINE, basVersion::SettingsKeyPath,
                        basVersion::SettingsSubkey);
    return LoadIdentity();
}

bool LoadIdentity() {
    HKEY key = nullptr;
    if (!OpenSettingsKey(key))
        return false;
    // Every value is read, so that one missing value keeps the others.
    bool all = true;
    all = basRegistry::ReadString(key, "VenderName", VenderName) && all;
    all = basRegistry::ReadString(key, "VenderStyle", VenderStyle) && all;
    all = ReadPath(key, "InstallPath", InstallPath) && all;
    all = ReadPath(key, "WindowsPath", WindowsPath) && all;
    all = ReadPath(key, "SystemPath", SystemPath) && all;
    all = basRegistry::ReadString(key, "HardwareID", HardwareID) && all;
    basRegistry::CloseKey(key);
    return all;
}

bool SaveVenderName() {
    return SaveString("VenderName", VenderName);
}
bool SaveVenderStyle() {
    return SaveString("VenderStyle", VenderStyle);
}
bool SaveHardwareId() {
    return SaveString("HardwareID", HardwareID);
}

bool LoadCalibrationMode() {
    HKEY key = nullptr;
    if (!OpenSettingsKey(key))
        return false;
    DWORD mode = 0;
    bool read = basRegistry::ReadDword(key, "CalibrationMode", mode);
    if (read)
        CalibrationMode = int(mode);
    basRegistry::CloseKey(key);
    return read;
}

bool SaveCalibrationMode() {
    HKEY key = nullptr;
    if (!OpenSettingsKey(key))
        return false;
    bool written = basRegistry::WriteDword(key, "CalibrationMode", DWORD(CalibrationMode));
    basRegistry::CloseKey(key);
    return written;
}

} // namespace basOEM
