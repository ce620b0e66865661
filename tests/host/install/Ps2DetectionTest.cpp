// Which PS/2 device an i8042prt enumeration entry names, and the INF strings.
#include <gtest/gtest.h>

#include "InfStrings.h"
#include "Ps2Detection.h"

namespace {

TEST(Ps2Detection, TheAcpiAndRootFormsOfTheFourDevicesMatchInAnyCaseAndKeepTheirLetters) {
    const struct {
        const char* path;
        const char* id; // null: no match
    } cases[] = {
        {"ACPI\\PNP0F13\\4&1d8e6b2&0", "*PNP0F13"},
        {"acpi\\pnp0f13\\4&1d8e6b2&0", "*pnp0f13"},
        {"Acpi\\PnP0F13\\x", "*PnP0F13"},
        {"Root\\*PNP0F03\\0000", "*PNP0F03"},
        {"root\\*pnp0f0b\\0001", "*pnp0f0b"},
        {"ROOT\\*PnP0f0E\\0", "*PnP0f0E"},
        {"ACPI\\PNP0F0E", "*PNP0F0E"},
        {"ROOT\\*PNP0F0E", "*PNP0F0E"},
        {"ACPI\\PNP0F03\\x", "*PNP0F03"},
        {"ACPI\\PNP0F0B\\x", "*PNP0F0B"},
        {"ACPI\\PNP0F1", nullptr}, // too short
        {"ROOT\\*PNP0F1", nullptr},
        {"ACPI\\PNP0F0C\\1", nullptr},    // a device the driver does not serve
        {"ROOT\\PNP0F03\\0000", nullptr}, // the root form needs the star
        {"ACPI\\*PNP0F03\\0", nullptr},   // the ACPI form has none
        {"HID\\VID_045E&PID_0040", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const auto id = Ps2Detection::HardwareIdOf(c.path);
        if (c.id) {
            ASSERT_TRUE(id.has_value()) << c.path;
            EXPECT_EQ(c.id, *id) << c.path;
        } else {
            EXPECT_FALSE(id.has_value()) << c.path << " gave " << id.value_or("");
        }
    }
}

TEST(InfStrings, TheDriverStringsQuoteTheProductTextWithEachDevice) {
    const std::string text = "TouchScreen - PS/2 Mouse Driver V. [7.0.PS2]";
    EXPECT_EQ(text, InfStrings::DriverText("7.0.PS2"));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"OEM_CALL", "\"" + text + "\""},
        {"*pnp0f03.DeviceDesc", "\"" + text + "(*PnP0F03)\""},
        {"*pnp0f0b.DeviceDesc", "\"" + text + "(*PnP0F0B)\""},
        {"*pnp0f0e.DeviceDesc", "\"" + text + "(*PnP0F0E)\""},
        {"*pnp0f13.DeviceDesc", "\"" + text + "(*PnP0F13)\""}};
    EXPECT_EQ(expected, InfStrings::DriverStrings("7.0.PS2"));
    const std::vector<std::string> copied = {"mouclass.SvcDesc", "i8042prt.SvcDesc",
                                             "MouseClassName"};
    EXPECT_EQ(copied, InfStrings::CopiedKeys());
}

} // namespace
