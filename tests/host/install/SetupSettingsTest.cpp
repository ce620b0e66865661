// Reading a setup.ini number, its range check, and what an import writes.
#include <gtest/gtest.h>

#include <string>

#include "SetupSettings.h"

namespace {

using namespace SetupSettings;

TEST(SetupSettings, TheLeadingNumberIsRoundedWithHalvesToEven) {
    const struct {
        const char* text;
        int64_t expected;
    } cases[] = {
        {"7", 7},      {"  12", 12},   {"+3", 3},      {"-4", -4},
        {"2.5", 2},    {"3.5", 4},     {"2.51", 3},    {"2.500", 2},
        {"2.5001", 3}, {"2.49999", 2}, {"0.5", 0},     {"1.5", 2},
        {"-2.5", -2},  {"-3.5", -4},   {"-0.4", 0},    {"2.6", 3},
        {".6", 1},     {"9.", 9},      {"abc", 0},     {"12abc", 12},
        {"1 2", 1},    {"1e3", 1},     {"0x10", 0},    {"- 5", 0},
        {"", 0},       {"007", 7},     {"5000", 5000}, {"1000000000000000000000", 1000000000000LL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, LeadingNumber(c.text)) << '"' << c.text << '"';
}

TEST(SetupSettings, AValueOutsideItsInclusiveRangeOrMissingIsNotStored) {
    const struct {
        const char* text;
        int32_t minimum, maximum, expected;
    } cases[] = {
        {"", 1, 4, Missing},
        {"199", 200, 5000, BelowRange},
        {"200", 200, 5000, 200},
        {"5001", 200, 5000, AboveRange},
        {"5000.5", 200, 5000, 5000}, // halves to even: 5000
        {"abc", 0, 1, 0},
        {"-99999999999999999999", 0, 64, BelowRange},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, BoundedValue(c.text, c.minimum, c.maximum))
            << '"' << c.text << "\" in " << c.minimum << ".." << c.maximum;
}

// Values for Ranges: every key valid.
std::array<int32_t, SettingCount> AllValid() {
    return {1, 2, 0, 1, 3, 4, 1, 4, 1000, 20, 0, 10, 10, 2, 500, 4, 5, 7};
}

TEST(SetupSettings, AnImportWritesSingleAndPackedValuesInItsOrder) {
    const std::vector<SettingWrite> expected = {
        {"CalibrationMode", 1},     {"VirtualButton", 2},
        {"RightButtonFunction", 0}, {"RightButtonAutomatic", 0x01030401},
        {"FeedbackSound", 4},       {"FeedbackTone", 1000},
        {"FeedbackDuration", 20},   {"MouseSpeed", 0x0A0A0200},
        {"DoubleClickSpeed", 500},  {"DoubleClickWidth", 4},
        {"DoubleClickHeight", 5},   {"PanelDirection", 7}};
    EXPECT_EQ(expected, PlanWrites(AllValid()));
    EXPECT_EQ(0x14140401u, PackFour(20, 20, 4, 1));
}

TEST(SetupSettings, OneInvalidPartKeepsItsPackedValueOutAndNothingElse) {
    for (int part : {3, 4, 5, 6, 10, 11, 12, 13}) {
        for (int32_t invalid : {Missing, BelowRange, AboveRange}) {
            std::array<int32_t, SettingCount> values = AllValid();
            values[part] = invalid;
            const std::vector<SettingWrite> writes = PlanWrites(values);
            const std::string dropped = part <= 6 ? "RightButtonAutomatic" : "MouseSpeed";
            EXPECT_EQ(11u, writes.size()) << Ranges[part].key << " " << invalid;
            for (const SettingWrite& write : writes)
                EXPECT_NE(dropped, write.first) << Ranges[part].key << " " << invalid;
        }
    }
    std::array<int32_t, SettingCount> values = AllValid();
    values[0] = Missing;
    values[8] = BelowRange;
    values[17] = AboveRange;
    const std::vector<SettingWrite> writes = PlanWrites(values);
    EXPECT_EQ(9u, writes.size());
    EXPECT_EQ("VirtualButton", writes.front().first);
    EXPECT_EQ("DoubleClickHeight", writes.back().first);

    values.fill(Missing);
    EXPECT_TRUE(PlanWrites(values).empty());
}

} // namespace
