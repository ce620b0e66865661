#include "Settings.h"

#include <vector>

#include "Deliverables.h"
#include "Failure.h"
#include "basVersion.h"

namespace e2e {

namespace {

// An open settings key that closes itself.
class SettingsKey {
  public:
    SettingsKey() {
        if (RegCreateKeyA(HKEY_LOCAL_MACHINE, SettingsKeyName().c_str(), &key_) != ERROR_SUCCESS) {
            KIT_FAILURE() << "cannot open or create HKLM\\" << SettingsKeyName();
            key_ = nullptr;
        }
    }
    ~SettingsKey() {
        if (key_)
            RegCloseKey(key_);
    }
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

std::string OrDefault(const std::string& value, std::string (*fallback)()) {
    return value.empty() ? fallback() : value;
}

std::string WindowsFolder() {
    char path[MAX_PATH] = {};
    GetWindowsDirectoryA(path, sizeof path);
    return path;
}

std::string SystemFolder() {
    char path[MAX_PATH] = {};
    GetSystemDirectoryA(path, sizeof path);
    return path;
}

std::string BuildHardwareId() {
    return basVersion::HardwareId;
}

} // namespace

std::string SettingsKeyName() {
    return std::string(basVersion::SettingsKeyPath) + "\\" + basVersion::SettingsSubkey;
}

void ClearSettingsKey() {
    SettingsKey key;
    if (!key.get())
        return;
    // Deleting shifts the indices, so the first value is taken until none is left.
    for (;;) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumValueA(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (RegDeleteValueA(key.get(), name) != ERROR_SUCCESS) {
            KIT_FAILURE() << "cannot delete the setting " << name;
            break;
        }
    }
}

void PrepareSettingsKey(const Identity& identity) {
    ClearSettingsKey();
    WriteIdentity(identity);
}

bool WriteIdentity(const Identity& identity) {
    const std::pair<const char*, std::string> values[] = {
        {"VenderName", identity.venderName},
        {"VenderStyle", identity.venderStyle},
        {"InstallPath", OrDefault(identity.installPath, DeliverDir)},
        {"WindowsPath", OrDefault(identity.windowsPath, WindowsFolder)},
        {"SystemPath", OrDefault(identity.systemPath, SystemFolder)},
        {"HardwareID", OrDefault(identity.hardwareId, BuildHardwareId)},
    };
    bool written = true;
    for (const auto& [name, value] : values)
        if (!WriteSettingString(name, value)) {
            KIT_FAILURE() << "cannot write the setting " << name;
            written = false;
        }
    return written;
}

bool WriteSettingString(const std::string& name, const std::string& value) {
    SettingsKey key;
    return key.get() && RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool WriteSettingDword(const std::string& name, DWORD value) {
    SettingsKey key;
    return key.get() &&
           RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

bool DeleteSetting(const std::string& name) {
    SettingsKey key;
    return key.get() && RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

bool ReadSettingString(const std::string& name, std::string& value) {
    SettingsKey key;
    DWORD type = 0, size = 0;
    if (!key.get() ||
        RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    std::vector<char> text(size + 1, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        return false;
    value = text.data();
    return true;
}

bool ReadSettingDword(const std::string& name, DWORD& value) {
    SettingsKey key;
    DWORD type = 0, number = 0, size = sizeof number;
    if (!key.get() ||
        RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    value = number;
    return true;
}

} // namespace e2e
