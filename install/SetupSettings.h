// The initial touch settings of setup.ini: how a value is read, the range of
// each key, and which registry values an import writes, in which order.
// Pure: the installer's Win32 side reads the file and writes the values.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace SetupSettings {

// Results of a setting that is not stored.
constexpr int32_t Missing = -1;    // key absent or empty
constexpr int32_t BelowRange = -2; // less than the minimum
constexpr int32_t AboveRange = -3; // more than the maximum

// The decimal number the text starts with (leading blanks skipped, an
// optional sign, digits, an optional fraction), 0 when it starts with none,
// rounded to the nearest integer with halves to even; huge values saturate.
int64_t LeadingNumber(const std::string& text);

// The stored value of a setting, or Missing, BelowRange or AboveRange. The
// range is inclusive.
int32_t BoundedValue(const std::string& text, int32_t minimum, int32_t maximum);

struct SettingRange {
    const char* key;
    int32_t minimum;
    int32_t maximum;
};

// The eighteen keys of [Settings], in the order they are read.
constexpr int SettingCount = 18;
extern const std::array<SettingRange, SettingCount> Ranges;

// Four parts in one number, the first in the most significant byte.
uint32_t PackFour(int32_t part3, int32_t part2, int32_t part1, int32_t part0);

// What an import writes from the values read for Ranges (same order): each
// single value that is not negative, and each packed value only when all of
// its four parts are.
using SettingWrite = std::pair<std::string, uint32_t>;
std::vector<SettingWrite> PlanWrites(const std::array<int32_t, SettingCount>& values);

} // namespace SetupSettings
