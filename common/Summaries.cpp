#include "Summaries.h"

namespace BasGlobal {

namespace {

const char* const PortPrefix = "COM";
constexpr int PortNotFound = 0xFF;
constexpr int PortUsedByOtherDevice = 0xFE;

// Arithmetic on the fields is done in 64 bits: any int argument stays exact.
std::string Num(long long value) {
    return std::to_string(value);
}

std::string Invalid(int value) {
    return "Invalid#" + Num(value);
}

// The lowest `digits` hexadecimal digits, upper case, zero-padded.
std::string Hex(unsigned value, int digits) {
    const char* const hexDigits = "0123456789ABCDEF";
    std::string text(digits, '0');
    for (int i = digits - 1; i >= 0; i--, value >>= 4)
        text[i] = hexDigits[value & 0xF];
    return text;
}

// Out-of-range codes have no name: an empty text.
const char* BaudRateName(int code) {
    return code >= 1 && code <= BaudRateCount ? BaudRateNames[code] : "";
}

std::string Duration(long long seconds) {
    if (seconds == 0)
        return "Disable";
    long long minutes = seconds / 60;
    long long rest = seconds % 60;
    std::string text;
    if (minutes != 0)
        text += " " + Num(minutes) + " Min. ";
    if (rest != 0)
        text += " " + Num(rest) + " Sec.";
    return text;
}

} // namespace

std::string TouchModeText(int virtualButton, int rightButtonFunction, int rightButtonAutoMode) {
    if (virtualButton < 1 || virtualButton > TouchModeCount)
        return Invalid(virtualButton) + "," + Num(rightButtonFunction) + "," +
               Num(rightButtonAutoMode);
    std::string text = std::string(TouchModeNames[virtualButton]) + ", RBF ";
    if (rightButtonFunction == 0)
        return text + "Disable";
    text += "Enable";
    // Only Drag Drop mode has the automatic right button.
    if (virtualButton == 4)
        text += rightButtonAutoMode == 1 ? " ( Automatic Mode )" : " ( Manual Mode )";
    return text;
}

std::string FeedbackText(int feedbackSound) {
    if (feedbackSound < 1 || feedbackSound > FeedbackCount)
        return Invalid(feedbackSound);
    return FeedbackNames[feedbackSound];
}

std::string AccelerationText(int acceleration) {
    if (acceleration < 1 || acceleration > AccelerationCount)
        return Invalid(acceleration);
    return AccelerationNames[acceleration];
}

std::string LevelText(int sensitivity) {
    return "Level " + Num(127LL - sensitivity);
}

std::string PowerDownText(int powerDownTime) {
    if (powerDownTime == 0)
        return "Disable Power Down Function";
    // The time counts in units of ten seconds.
    return "Power Down When Idle " + Duration(powerDownTime * 10LL);
}

std::string DurationText(int seconds) {
    return Duration(seconds);
}

std::string MouseSpeedText(int hSpeed, int vSpeed, int acceleration, int bypass) {
    if (bypass != 0)
        return "Enable Bypass Mode";
    // Speeds count in steps of five percent.
    return "HS=" + Num(hSpeed * 5LL) + "%, VS=" + Num(vSpeed * 5LL) +
           "%, Acceleration=" + AccelerationText(acceleration);
}

std::string SerialPortText(int comPort, int basePort, int irq, int baudRate) {
    return PortPrefix + Num(comPort) + ", Port=" + Hex4(basePort) + ", IRQ=" + Num(irq) + ", (" +
           BaudRateName(baudRate) + ",N,8,1)";
}

std::string PortEntryText(int port, int basePort, int irqOrStatus) {
    std::string name = PortPrefix + Num(port);
    if (basePort != 0)
        return name + ", BasePort=" + Hex4(basePort) + "h, IRQ=" + Num(irqOrStatus);
    switch (irqOrStatus) {
    case PortNotFound:
        return name + "..Not Found.";
    case PortUsedByOtherDevice:
        return name + "..Used by Other Device.";
    default:
        return name + "..Unabled (code=" + Num(irqOrStatus) + ")";
    }
}

std::string Hex2(int value) {
    return Hex(static_cast<unsigned>(value), 2);
}
std::string Hex4(int value) {
    return Hex(static_cast<unsigned>(value), 4);
}

} // namespace BasGlobal
