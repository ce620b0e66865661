#include "basRegistry.h"

namespace basRegistry {

bool OpenOrCreateKey(HKEY root, const std::string& keyPath, std::string& subkey, HKEY& key) {
    if (keyPath.empty())
        return false;
    if (!subkey.empty() && subkey[0] == '\\')
        subkey.erase(0, 1);
    std::string name = subkey.empty() ? keyPath : keyPath + "\\" + subkey;
    HKEY opened = nullptr;
    if (RegCreateKeyA(root, name.c_str(), &opened) != ERROR_SUCCESS)
        return false;
    key = opened;
    return true;
}

bool OpenExistingKey(HKEY parent, const std::string& name, HKEY& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyA(parent, name.c_str(), &opened) != ERROR_SUCCESS)
        return false;
    key = opened;
    return true;
}

bool CloseKey(HKEY key) {
    return RegCloseKey(key) == ERROR_SUCCESS;
}

bool ReadDword(HKEY key, const std::string& name, DWORD& number) {
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG result =
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    // A shorter REG_DWORD would leave part of the number unread.
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return false;
    number = value;
    return true;
}

bool ReadString(HKEY key, const std::string& name, std::string& text) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    std::string buffer(size, ' ');
    // The value may have changed since the first call; the second call's type
    // and size are the ones that count.
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&buffer[0]),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    buffer.resize(size);
    text = buffer.substr(0, buffer.find('\0'));
    return true;
}

bool WriteDword(HKEY key, const std::string& name, DWORD number) {
    return RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                          sizeof number) == ERROR_SUCCESS;
}

bool WriteString(HKEY key, const std::string& name, const std::string& text) {
    if (key == nullptr)
        return false;
    return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          DWORD(text.size() + 1)) == ERROR_SUCCESS;
}

} // namespace basRegistry
