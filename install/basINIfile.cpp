#include "basINIfile.h"

#include <array>

#include "InfStrings.h"
#include "ProgramTitle.h"
#include "SharedRoutines.h"
#include "basOEM.h"
#include "basRegistry.h"
#include "basVersion.h"
#include "forms/MsgBox.h"

namespace basINIfile {

namespace {

constexpr DWORD ValueBufferSize = 255;
const char* const SettingsSection = "Settings";
const char* const OemSection = "SETUP";

void ShowFailure(const std::string& text) {
    forms::MsgBox(text, MB_OK, BasGlobal::ProgramTitle());
}

std::string InfPath(const char* fileName) {
    return basOEM::WindowsPath + "\\inf\\" + fileName;
}

} // namespace

std::string ReadIniValue(const std::string& path, const std::string& section,
                         const std::string& key) {
    char buffer[ValueBufferSize] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, ValueBufferSize,
                             path.c_str());
    std::string value(buffer); // up to the first NUL
    const size_t end = value.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : value.substr(0, end + 1);
}

bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
           FALSE;
}

std::string SetupIniPath() {
    return basOEM::InstallPath + "\\setup.ini";
}

std::string SetupOemPath() {
    return basOEM::InstallPath + "\\setup.oem";
}

int32_t ReadBoundedSetting(const std::string& key, int32_t minimum, int32_t maximum) {
    return SetupSettings::BoundedValue(ReadIniValue(SetupIniPath(), SettingsSection, key), minimum,
                                       maximum);
}

void SaveSettingValue(HKEY key, const std::string& name, uint32_t value) {
    if (!basRegistry::WriteDword(key, name, value))
        ShowFailure("Fail to save settings! (" + name + ")");
}

void SaveSettingValues(HKEY key, const std::vector<SetupSettings::SettingWrite>& writes) {
    for (const SetupSettings::SettingWrite& write : writes)
        SaveSettingValue(key, write.first, write.second);
}

void ImportSetupIni() {
    if (!BasGlobal::FileExists(SetupIniPath()))
        return;
    HKEY key = nullptr;
    std::string subkey = basVersion::SettingsSubkey;
    if (!basRegistry::OpenOrCreateKey(HKEY_LOCAL_MACHINE, basVersion::SettingsKeyPath, subkey, key))
        return;
    std::array<int32_t, SetupSettings::SettingCount> values = {};
    for (size_t i = 0; i < values.size(); ++i) {
        const SetupSettings::SettingRange& range = SetupSettings::Ranges[i];
        values[i] = ReadBoundedSetting(range.key, range.minimum, range.maximum);
    }
    SaveSettingValues(key, SetupSettings::PlanWrites(values));
    basRegistry::CloseKey(key);
}

void ApplySetupOem() {
    const std::string path = SetupOemPath();
    if (!BasGlobal::FileExists(path))
        return;
    const std::string title = ReadIniValue(path, OemSection, "TITLE");
    if (!title.empty()) {
        basOEM::VenderName = title;
        if (!basOEM::SaveVenderName())
            ShowFailure("Fail to Set Vender Name!");
    }
    const std::string style = ReadIniValue(path, OemSection, "STYLE");
    if (!style.empty()) {
        basOEM::VenderStyle = style;
        if (!basOEM::SaveVenderStyle())
            ShowFailure("Fail to Set Vender Style!");
    }
}

void EditDriverInf() {
    const std::string driverInf = InfPath(InfStrings::DriverInf);
    for (const auto& [key, value] : InfStrings::DriverStrings(basVersion::VersionText))
        WriteIniValue(driverInf, InfStrings::Section, key, value);
    // Copied as the profile read returns them: without enclosing quotes.
    const std::string systemInf = InfPath(InfStrings::SystemMouseInf);
    for (const std::string& key : InfStrings::CopiedKeys()) {
        const std::string value = ReadIniValue(systemInf, InfStrings::Section, key);
        if (!value.empty())
            WriteIniValue(driverInf, InfStrings::Section, key, value);
    }
}

} // namespace basINIfile
