// Settings summaries: the one-line texts that show each settings group, and
// the name tables they use. Pure functions of the record's field values.
#pragma once

#include <string>

namespace BasGlobal {

// Names indexed by the field value; index 0 has no name.
constexpr int TouchModeCount = 4;
constexpr int FeedbackCount = 4;
constexpr int AccelerationCount = 4;
constexpr int BaudRateCount = 11;
constexpr const char* TouchModeNames[TouchModeCount + 1] = {"", "Stream Mode", "Lift Off Mode",
                                                            "Touch Down Mode", "Drag Drop Mode"};
// Shown in labels, where "&&" reads as one "&".
constexpr const char* FeedbackNames[FeedbackCount + 1] = {
    "", "Silence ( No Sound )", "Touch Down Only", "Lift Off Only", "Both Touch Down && Lift Off"};
constexpr const char* AccelerationNames[AccelerationCount + 1] = {"", "Slow", "Medium", "Fast",
                                                                  "Off"};
constexpr const char* BaudRateNames[BaudRateCount + 1] = {"",      "1200",  "2400",  "4800",
                                                          "9600",  "14400", "19200", "28800",
                                                          "38400", "57600", "76800", "115200"};

std::string TouchModeText(int virtualButton, int rightButtonFunction, int rightButtonAutoMode);
std::string FeedbackText(int feedbackSound);
std::string LevelText(int sensitivity);
std::string PowerDownText(int powerDownTime);
std::string DurationText(int seconds);
std::string MouseSpeedText(int hSpeed, int vSpeed, int acceleration, int bypass);
std::string AccelerationText(int acceleration);
std::string SerialPortText(int comPort, int basePort, int irq, int baudRate);
std::string PortEntryText(int port, int basePort, int irqOrStatus);
std::string Hex2(int value);
std::string Hex4(int value);

} // namespace BasGlobal
