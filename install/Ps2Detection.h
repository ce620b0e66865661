// Which PS/2 pointing device a device instance path of the i8042prt port
// enumeration names, among those the PS/2 driver serves. Pure.
#pragma once

#include <optional>
#include <string>

namespace Ps2Detection {

// "*PNPnone": the hardware id while nothing has been detected.
constexpr const char* NoneDetected = "*PNPnone";

// The hardware id ("*PNP0F13") for an "ACPI\PNP0F13\..." or a
// "ROOT\*PNP0F13\..." path of one of the devices 0F03, 0F0B, 0F0E, 0F13,
// letter case ignored in the match; the id keeps the path's letters
// ("acpi\pnp0f13\..." gives "*pnp0f13"). Nothing for any other path.
std::optional<std::string> HardwareIdOf(const std::string& instancePath);

} // namespace Ps2Detection
