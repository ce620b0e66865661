// The [Strings] the PS/2 installer writes into the driver's INF file. Pure.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace InfStrings {

constexpr const char* Section = "Strings";
constexpr const char* DriverInf = "KVD2KPS2.INF";
constexpr const char* SystemMouseInf = "MSMOUSE.inf";

// "TouchScreen - PS/2 Mouse Driver V. [7.0.PS2]" with the build's version text.
std::string DriverText(const std::string& versionText);

// OEM_CALL, then the four device descriptions (0F03, 0F0B, 0F0E, 0F13), each
// value in double quotes.
std::vector<std::pair<std::string, std::string>> DriverStrings(const std::string& versionText);

// Keys copied, in this order, from the system's mouse INF when it has them.
const std::vector<std::string>& CopiedKeys();

} // namespace InfStrings
