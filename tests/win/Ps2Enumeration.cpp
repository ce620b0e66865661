#include "Ps2Enumeration.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace wintest {

namespace {

const char* const ServiceKey = "System\\CurrentControlSet\\Services\\i8042prt";
const char* const EnumKey = "System\\CurrentControlSet\\Services\\i8042prt\\Enum";
// Marks the service key as one a test made.
const char* const TestMark = "TouchScreenTest";

bool AbsentOrMadeByTest() {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, ServiceKey, &key) != ERROR_SUCCESS)
        return true; // nothing there
    const bool marked =
        RegQueryValueExA(key, TestMark, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return marked;
}

void Remove() {
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, ServiceKey);
}

} // namespace

Ps2Enumeration::Ps2Enumeration() {
    if (!AbsentOrMadeByTest())
        ADD_FAILURE() << "the prefix has a port service key of its own: HKLM\\" << ServiceKey;
    else
        Remove();
}

Ps2Enumeration::~Ps2Enumeration() {
    if (AbsentOrMadeByTest())
        Remove();
}

void Ps2Enumeration::Create(const std::vector<std::string>& entries, std::optional<DWORD> count) {
    HKEY service = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, ServiceKey, &service));
    const DWORD mark = 1;
    RegSetValueExA(service, TestMark, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mark),
                   sizeof mark);
    RegCloseKey(service);

    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, EnumKey, &key));
    if (count)
        RegSetValueExA(key, "COUNT", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*count),
                       sizeof(DWORD));
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty())
            continue;
        RegSetValueExA(key, std::to_string(i).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(entries[i].c_str()),
                       static_cast<DWORD>(entries[i].size() + 1));
    }
    RegCloseKey(key);
}

} // namespace wintest
