// The controller's firmware identification as one line of text. Pure.
#pragma once

#include <string>

#include "DeviceBlocks.h"

// The version byte's two hexadecimal digits read as a decimal number, as far
// as they are decimal digits: 0x42 gives 42, 0x1A gives 1, 0xA1 gives 0.
int McuVersionNumber(int mcuVersion);

// "MCU-Version=4.2" for 0x42: tens, a point, units.
std::string McuVersionText(int mcuVersion);

// "MCU-Mode=D4  MCU-Version=4.2  MCU-Code=1A2B3C4D", the code bytes in
// record order.
std::string McuInfoLine(const DeviceRecord& record);
