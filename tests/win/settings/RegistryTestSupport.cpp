#include "RegistryTestSupport.h"

#include <shlwapi.h>

namespace settingstest {

void DeleteKeyTree(HKEY root, const std::string& path) {
    SHDeleteKeyA(root, path.c_str());
}

bool PutRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
            const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyA(root, path.c_str(), &key) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool PutString(HKEY root, const std::string& path, const std::string& name,
               const std::string& text) {
    return PutRaw(root, path, name, REG_SZ, text.c_str(), DWORD(text.size() + 1));
}

bool PutDword(HKEY root, const std::string& path, const std::string& name, DWORD number) {
    return PutRaw(root, path, name, REG_DWORD, &number, sizeof number);
}

RawValue GetRaw(HKEY root, const std::string& path, const std::string& name) {
    RawValue value;
    HKEY key;
    if (RegOpenKeyA(root, path.c_str(), &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.bytes.assign(size, '\0');
        value.present =
            RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                             reinterpret_cast<BYTE*>(&value.bytes[0]), &size) == ERROR_SUCCESS;
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    return value;
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyA(root, path.c_str(), &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

} // namespace settingstest
