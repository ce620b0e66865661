#include "SetupSettings.h"

#include <algorithm>

namespace SetupSettings {

namespace {

// Far beyond every range, and far below the point where int64 overflows.
constexpr int64_t Saturation = 1000000000000LL;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Indexes of the keys in Ranges.
enum Index {
    CalibrationMode,
    VirtualButton,
    RightButtonFunction,
    RightButtonAutoMode,
    RightButtonAutoSTime,
    RightButtonAutoETime,
    RightButtonAutoBeep,
    FeedbackSound,
    FeedbackTone,
    FeedbackDuration,
    MouseBypass,
    MouseHSpeed,
    MouseVSpeed,
    MouseAcceleration,
    DoubleClickSpeed,
    DoubleClickWidth,
    DoubleClickHeight,
    PanelDirection,
};

} // namespace

const std::array<SettingRange, SettingCount> Ranges = {{
    {"CalibrationMode", 0, 1},
    {"VirtualButton", 1, 4},
    {"RightButtonFunction", 0, 1},
    {"RightButtonAutoMode", 0, 1},
    {"RightButtonAutoSTime", 0, 9},
    {"RightButtonAutoETime", 0, 9},
    {"RightButtonAutoBeep", 0, 1},
    {"FeedbackSound", 1, 4},
    {"FeedbackTone", 200, 5000},
    {"FeedbackDuration", 10, 50},
    {"MouseBypass", 0, 1},
    {"MouseHSpeed", 1, 20},
    {"MouseVSpeed", 1, 20},
    {"MouseAcceleration", 1, 4},
    {"DoubleClickSpeed", 100, 900},
    {"DoubleClickWidth", 0, 64},
    {"DoubleClickHeight", 0, 64},
    {"PanelDirection", 0, 7},
}};

int64_t LeadingNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t whole = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        whole = std::min(Saturation, whole * 10 + (text[i] - '0'));

    // The fraction decides the rounding only: more or less than a half, or
    // exactly a half, which goes to the even neighbour.
    if (i < text.size() && text[i] == '.') {
        ++i;
        const size_t first = i;
        bool restNonZero = false;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            if (i > first && text[i] != '0')
                restNonZero = true;
        if (i > first) {
            const int firstDigit = text[first] - '0';
            const bool up = firstDigit > 5 || (firstDigit == 5 && (restNonZero || whole % 2 == 1));
            if (up && whole < Saturation)
                ++whole;
        }
    }
    return negative ? -whole : whole;
}

int32_t BoundedValue(const std::string& text, int32_t minimum, int32_t maximum) {
    if (text.empty())
        return Missing;
    const int64_t value = LeadingNumber(text);
    if (value < minimum)
        return BelowRange;
    if (value > maximum)
        return AboveRange;
    return static_cast<int32_t>(value);
}

uint32_t PackFour(int32_t part3, int32_t part2, int32_t part1, int32_t part0) {
    return (static_cast<uint32_t>(part3 & 0xFF) << 24) |
           (static_cast<uint32_t>(part2 & 0xFF) << 16) |
           (static_cast<uint32_t>(part1 & 0xFF) << 8) | static_cast<uint32_t>(part0 & 0xFF);
}

std::vector<SettingWrite> PlanWrites(const std::array<int32_t, SettingCount>& values) {
    std::vector<SettingWrite> writes;
    auto single = [&](Index index) {
        if (values[index] >= 0)
            writes.emplace_back(Ranges[index].key, static_cast<uint32_t>(values[index]));
    };
    auto packed = [&](const char* name, Index part3, Index part2, Index part1, Index part0) {
        for (Index part : {part3, part2, part1, part0})
            if (values[part] < 0)
                return;
        writes.emplace_back(name,
                            PackFour(values[part3], values[part2], values[part1], values[part0]));
    };

    single(CalibrationMode);
    single(VirtualButton);
    single(RightButtonFunction);
    packed("RightButtonAutomatic", RightButtonAutoMode, RightButtonAutoSTime, RightButtonAutoETime,
           RightButtonAutoBeep);
    single(FeedbackSound);
    single(FeedbackTone);
    single(FeedbackDuration);
    packed("MouseSpeed", MouseHSpeed, MouseVSpeed, MouseAcceleration, MouseBypass);
    single(DoubleClickSpeed);
    single(DoubleClickWidth);
    single(DoubleClickHeight);
    single(PanelDirection);
    return writes;
}

} // namespace SetupSettings
