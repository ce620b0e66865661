// Any setup.ini value, of any length and content, reads without fault, and
// its stored value is within the range or one of the three refusals.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "SetupSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int64_t number = SetupSettings::LeadingNumber(text);
    if (number > 1000000000000LL || number < -1000000000000LL)
        abort();
    for (const SetupSettings::SettingRange& range : SetupSettings::Ranges) {
        const int32_t value = SetupSettings::BoundedValue(text, range.minimum, range.maximum);
        const bool refused = value == SetupSettings::Missing ||
                             value == SetupSettings::BelowRange ||
                             value == SetupSettings::AboveRange;
        if (!refused && (value < range.minimum || value > range.maximum))
            abort();
        if (refused != (text.empty() || number < range.minimum || number > range.maximum))
            abort();
    }
    return 0;
}
