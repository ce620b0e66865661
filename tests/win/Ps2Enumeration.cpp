#include "Ps2Enumeration.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace wintest {

namespace {

const char* const ServiceKey = "System\\CurrentControlSet\\Services\\i8042prt";
const char* const EnumKey = "System\\CurrentControlSet\\Services\\i8042prt\\Enum";

} // namespace

Ps2Enumeration::Ps2Enumeration() {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, ServiceKey, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        ADD_FAILURE() << "the prefix has a port service key: HKLM\\" << ServiceKey;
    }
}

Ps2Enumeration::~Ps2Enumeration() {
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, ServiceKey);
}

void Ps2Enumeration::Create(const std::vector<std::string>& entries, std::optional<DWORD> count) {
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, EnumKey);
    if (entries.empty() && !count)
        return;
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, EnumKey, &key));
    if (count)
        RegSetValueExA(key, "COUNT", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*count),
                       sizeof(DWORD));
    for (size_t i = 0; i < entries.size(); ++i)
        if (!entries[i].empty())
            RegSetValueExA(key, std::to_string(i).c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(entries[i].c_str()),
                           static_cast<DWORD>(entries[i].size() + 1));
    RegCloseKey(key);
}

} // namespace wintest
