// The system's PS/2 port enumeration (HKEY_LOCAL_MACHINE
// System\CurrentControlSet\Services\i8042prt\Enum) as a test lays it out;
// the port service key is removed again when the object goes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace wintest {

class Ps2Enumeration {
  public:
    // A test failure when the prefix has a port service key of its own.
    Ps2Enumeration();
    ~Ps2Enumeration();
    Ps2Enumeration(const Ps2Enumeration&) = delete;
    Ps2Enumeration& operator=(const Ps2Enumeration&) = delete;

    // Replaces the enumeration by one with the value COUNT (when given) and
    // the entries as the REG_SZ values "0", "1", ...; an empty entry is left
    // out. Without entries and count the key is absent.
    void Create(const std::vector<std::string>& entries, std::optional<DWORD> count);
};

} // namespace wintest
