#include "TouchSimulatorOptions.h"

#include <cstdlib>

namespace {

bool ReadInt(const std::string& text, int low, int high, int& value) {
    char* end = nullptr;
    const long read = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || read < low || read > high)
        return false;
    value = static_cast<int>(read);
    return true;
}

bool ReadNumber(const std::string& text, double low, double high, double& value) {
    char* end = nullptr;
    const double read = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(read >= low && read <= high))
        return false;
    value = read;
    return true;
}

// "A<separator>B" into two parts.
bool SplitPair(const std::string& text, char separator, std::string& first, std::string& second) {
    const size_t at = text.find(separator);
    if (at == std::string::npos)
        return false;
    first = text.substr(0, at);
    second = text.substr(at + 1);
    return true;
}

bool ReadNumberPair(const std::string& text, double low, double high, double& x, double& y) {
    std::string first, second;
    return SplitPair(text, ',', first, second) && ReadNumber(first, low, high, x) &&
           ReadNumber(second, low, high, y);
}

} // namespace

bool ParseTouchSimulatorOptions(const std::vector<std::string>& arguments,
                                TouchSimulatorOptions& options, std::string& error) {
    for (size_t i = 0; i < arguments.size(); i++) {
        const std::string& name = arguments[i];
        if (i + 1 == arguments.size()) {
            error =
                name.rfind("--", 0) == 0 ? "missing value for " + name : "unknown argument " + name;
            return false;
        }
        const std::string& value = arguments[++i];
        bool read = false;
        if (name == "--mounting") {
            read = ReadInt(value, 0, 7, options.Mounting);
        } else if (name == "--rotation") {
            read = ReadInt(value, 0, 3, options.Rotation);
            options.RotationGiven = read;
        } else if (name == "--offset") {
            read = ReadNumberPair(value, -1023, 1023, options.OffsetX, options.OffsetY);
        } else if (name == "--span") {
            read = ReadNumberPair(value, -2046, 2046, options.SpanX, options.SpanY);
        } else if (name == "--desktop") {
            std::string width, height;
            read = SplitPair(value, 'x', width, height) &&
                   ReadInt(width, 1, 32767, options.DesktopWidth) &&
                   ReadInt(height, 1, 32767, options.DesktopHeight);
        } else if (name == "--period") {
            read = ReadInt(value, 5, 100, options.PeriodMs);
        } else {
            error = "unknown option " + name;
            return false;
        }
        if (!read) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    return true;
}

std::string TouchSimulatorUsage() {
    return "  --mounting N   panel mounting 0..7 (1 X inverted, 2 Y inverted, 4 X and Y "
           "exchanged), default 0\n"
           "  --rotation R   screen rotation 0..3, also given to the driver as RotationCode;\n"
           "                 default: the driver's current code\n"
           "  --offset X,Y   raw reading at the left and top screen edge, default 40,40\n"
           "  --span X,Y     raw units across the screen width and height, default 944,944\n"
           "  --desktop WxH  desktop size in pixels, default the screen size\n"
           "  --period MS    sampling period while the button is held, 5..100, default 15\n";
}
