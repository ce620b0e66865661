#include "StartupRules.h"

#include <cctype>

namespace StartupRules {

namespace {

constexpr const char* SettingsSwitch = "/SDC";
constexpr int DragDropButton = 4;

} // namespace

bool operator==(const DoubleClick& a, const DoubleClick& b) {
    return a.time == b.time && a.width == b.width && a.height == b.height;
}

bool IsSettingsSwitch(const std::string& commandLine) {
    std::string upper = commandLine;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == SettingsSwitch;
}

bool ApplyNeeded(const DoubleClick& saved, const DoubleClick& bars, const DoubleClick& system) {
    return !(bars == saved && system == saved);
}

std::string SpeedLabel(unsigned long value) {
    return "Speed: " + std::to_string(value);
}

std::string WidthLabel(unsigned long value) {
    return "Width: " + std::to_string(value);
}

// The label's text has always been spelt this way.
std::string HeightLabel(unsigned long value) {
    return "Hight: " + std::to_string(value);
}

std::string ApplyFailureText(const std::string& letters) {
    return "Fail to SetDoubleClock (" + letters + ")!";
}

bool RightButtonWanted(const DeviceRecord& record) {
    return record.RightButtonFunction == 1 &&
           !(record.RightButtonAutoMode != 0 && record.VirtualButton == DragDropButton);
}

bool HideRunningTool(const DeviceRecord& record, bool toolWasRunning) {
    return record.RightButtonAutoMode == 1 && toolWasRunning;
}

} // namespace StartupRules
