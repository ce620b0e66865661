// Raw registry access for the settings tests, so that what the modules wrote
// or read is checked without going through them.
#pragma once

#include <windows.h>

#include <string>

namespace settingstest {

void DeleteKeyTree(HKEY root, const std::string& path);
// Writes a value of any type with exactly these bytes.
bool PutRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
            const void* data, DWORD size);
bool PutString(HKEY root, const std::string& path, const std::string& name,
               const std::string& text);
bool PutDword(HKEY root, const std::string& path, const std::string& name, DWORD number);

struct RawValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::string bytes;
};
RawValue GetRaw(HKEY root, const std::string& path, const std::string& name);
bool KeyExists(HKEY root, const std::string& path);

} // namespace settingstest
