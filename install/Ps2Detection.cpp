#include "Ps2Detection.h"

namespace Ps2Detection {

namespace {

// Checked in this order; the first that matches wins.
const char* const Devices[] = {"PNP0F03", "PNP0F0B", "PNP0F0E", "PNP0F13"};

std::string UpperPrefix(const std::string& text, size_t length) {
    std::string prefix = text.substr(0, length);
    for (char& c : prefix)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return prefix;
}

} // namespace

std::optional<std::string> HardwareIdOf(const std::string& instancePath) {
    const std::string acpi = UpperPrefix(instancePath, 12);
    const std::string root = UpperPrefix(instancePath, 13);
    for (const char* device : Devices) {
        // The id is copied out of the path with its letters as they stand.
        if (acpi == std::string("ACPI\\") + device)
            return "*" + instancePath.substr(5, 7);
        if (root == std::string("ROOT\\*") + device)
            return instancePath.substr(5, 8);
    }
    return std::nullopt;
}

} // namespace Ps2Detection
