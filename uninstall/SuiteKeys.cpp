#include "SuiteKeys.h"

#include <windows.h>

#include <string>

#include "BuildNames.h"

namespace SuiteKeys {

namespace {

bool Gone(LONG result) {
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

// Deletes a key with what it holds; Windows 2000 deletes only childless keys.
// Setup writes no subkeys, so the depth is bounded to stop a loop of links.
LONG DeleteTree(HKEY root, const std::string& path, int depth = 0) {
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key);
    if (result != ERROR_SUCCESS)
        return result;
    char name[256];
    DWORD length = sizeof name;
    // Always the first child: each one is gone when the next is asked for.
    while (depth < 8 && RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) ==
                            ERROR_SUCCESS) {
        if (DeleteTree(key, name, depth + 1) != ERROR_SUCCESS)
            break;
        length = sizeof name;
    }
    RegCloseKey(key);
    return RegDeleteKeyA(root, path.c_str());
}

// Deletes a key that holds neither keys nor values.
void DeleteIfEmpty(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    DWORD keys = 1, values = 1;
    const bool empty =
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
        keys == 0 && values == 0;
    RegCloseKey(key);
    if (empty)
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str());
}

LONG DeleteValue(const char* path, const char* name) {
    HKEY key = nullptr;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_SET_VALUE, &key);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegDeleteValueA(key, name);
    RegCloseKey(key);
    return result;
}

} // namespace

bool Remove() {
    const std::string product = TS_SETTINGS_ROOT "\\" TS_SETTINGS_VENDOR_PATH;
    bool gone = Gone(DeleteTree(HKEY_LOCAL_MACHINE, product + "\\" TS_PRODUCT_LABEL));
    DeleteIfEmpty(product);
    DeleteIfEmpty(TS_SETTINGS_ROOT "\\" TS_PUBLISHER);
    gone = Gone(DeleteValue(TS_RUN_KEY, TS_RUN_VALUE)) && gone;
    return Gone(DeleteTree(HKEY_LOCAL_MACHINE, TS_UNINSTALL_KEY)) && gone;
}

} // namespace SuiteKeys
