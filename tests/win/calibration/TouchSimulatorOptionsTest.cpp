// The touch simulator's command line: what it takes and what it refuses.
#include <gtest/gtest.h>

#include "TouchSimulatorOptions.h"

namespace {

bool Parse(const std::vector<std::string>& arguments, TouchSimulatorOptions& options,
           std::string& error) {
    return ParseTouchSimulatorOptions(arguments, options, error);
}

TEST(TouchSimulatorOptions, ReadsEveryOption) {
    TouchSimulatorOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--mounting", "5", "--rotation", "3", "--offset", "12.5,-7", "--span",
                       "-944,900", "--desktop", "800x600", "--period", "20"},
                      options, error))
        << error;
    EXPECT_EQ(5, options.Mounting);
    EXPECT_TRUE(options.RotationGiven);
    EXPECT_EQ(3, options.Rotation);
    EXPECT_DOUBLE_EQ(12.5, options.OffsetX);
    EXPECT_DOUBLE_EQ(-7, options.OffsetY);
    EXPECT_DOUBLE_EQ(-944, options.SpanX);
    EXPECT_DOUBLE_EQ(900, options.SpanY);
    EXPECT_EQ(800, options.DesktopWidth);
    EXPECT_EQ(600, options.DesktopHeight);
    EXPECT_EQ(20, options.PeriodMs);

    TouchSimulatorOptions defaults;
    ASSERT_TRUE(Parse({}, defaults, error));
    EXPECT_FALSE(defaults.RotationGiven) << "the driver's own code stays unless one is given";
}

TEST(TouchSimulatorOptions, RefusesBadInputWithAMessage) {
    const struct {
        std::vector<std::string> arguments;
        const char* error;
    } cases[] = {
        {{"--mounting", "8"}, "bad value for --mounting: 8"},
        {{"--offset", "40"}, "bad value for --offset: 40"},
        {{"--span", "944,"}, "bad value for --span: 944,"},
        {{"--desktop", "0x768"}, "bad value for --desktop: 0x768"},
        {{"--speed", "3"}, "unknown option --speed"},
        {{"--period"}, "missing value for --period"},
        {{"stray"}, "unknown argument stray"},
    };
    for (const auto& c : cases) {
        TouchSimulatorOptions options;
        std::string error;
        EXPECT_FALSE(Parse(c.arguments, options, error)) << c.error;
        EXPECT_EQ(c.error, error);
    }
}

} // namespace
