// The firmware identification line of the controller information window.
#include <gtest/gtest.h>

#include <cstring>

#include "McuInfoText.h"

namespace {

TEST(McuVersion, TheHexDigitsAreReadAsADecimalNumberUpToTheFirstLetter) {
    const struct {
        int byte;
        int number;
        const char* text;
    } cases[] = {
        {0x07, 7, "MCU-Version=0.7"},  {0x10, 10, "MCU-Version=1.0"}, {0x42, 42, "MCU-Version=4.2"},
        {0x99, 99, "MCU-Version=9.9"}, {0x00, 0, "MCU-Version=0.0"},  {0x1A, 1, "MCU-Version=0.1"},
        {0xA1, 0, "MCU-Version=0.0"},  {0xFF, 0, "MCU-Version=0.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.number, McuVersionNumber(c.byte)) << std::hex << c.byte;
        EXPECT_EQ(c.text, McuVersionText(c.byte)) << std::hex << c.byte;
    }
}

TEST(McuInfoLine, ModeVersionAndCodeBytesInRecordOrderInUpperCase) {
    DeviceRecord record{};
    record.McuMode = 0x0A;
    record.McuVersion = 0x42;
    const uint8_t code[McuCodeLength] = {0x1A, 0x2B, 0x3C, 0xd4};
    memcpy(record.McuCode, code, sizeof code);
    EXPECT_EQ("MCU-Mode=0A  MCU-Version=4.2  MCU-Code=1A2B3CD4", McuInfoLine(record));

    record.McuMode = 0xD4;
    record.McuVersion = 0x1A;
    memset(record.McuCode, 0, sizeof record.McuCode);
    record.McuCode[3] = 0x01;
    EXPECT_EQ("MCU-Mode=D4  MCU-Version=0.1  MCU-Code=00000001", McuInfoLine(record));
}

} // namespace
