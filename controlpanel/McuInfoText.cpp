#include "McuInfoText.h"

#include "Summaries.h"

int McuVersionNumber(int mcuVersion) {
    int number = 0;
    for (char digit : BasGlobal::Hex2(mcuVersion)) {
        if (digit < '0' || digit > '9')
            break;
        number = number * 10 + (digit - '0');
    }
    return number;
}

std::string McuVersionText(int mcuVersion) {
    const int number = McuVersionNumber(mcuVersion);
    return "MCU-Version=" + std::to_string(number / 10) + "." + std::to_string(number % 10);
}

std::string McuInfoLine(const DeviceRecord& record) {
    std::string code;
    for (uint8_t byte : record.McuCode)
        code += BasGlobal::Hex2(byte);
    return "MCU-Mode=" + BasGlobal::Hex2(record.McuMode) + "  " +
           McuVersionText(record.McuVersion) + "  MCU-Code=" + code;
}
