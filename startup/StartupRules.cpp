#include "StartupRules.h"

#include <cctype>

namespace StartupRules {

namespace {

constexpr const char* SettingsSwitch = "/SDC";
constexpr int DragDropButton = 4;
constexpr unsigned long MinTime = 100, MaxTime = 900, MaxSize = 64;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

bool operator==(const DoubleClick& a, const DoubleClick& b) {
    return a.time == b.time && a.width == b.width && a.height == b.height;
}

DoubleClick ValidOrDefaults(const DoubleClick& stored) {
    const bool valid = stored.time >= MinTime && stored.time <= MaxTime &&
                       stored.width <= MaxSize && stored.height <= MaxSize;
    return valid ? stored : Defaults;
}

std::string ArgumentsOf(const std::string& rawCommandLine) {
    size_t at = 0;
    if (!rawCommandLine.empty() && rawCommandLine[0] == '"') {
        const size_t closing = rawCommandLine.find('"', 1);
        at = closing == std::string::npos ? rawCommandLine.size() : closing + 1;
    } else {
        while (at < rawCommandLine.size() && !IsBlank(rawCommandLine[at]))
            ++at;
    }
    if (at < rawCommandLine.size() && IsBlank(rawCommandLine[at]))
        ++at;
    return rawCommandLine.substr(at);
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
