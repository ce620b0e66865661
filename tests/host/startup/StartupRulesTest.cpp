// The startup agent's rules: the command line, Apply, the right-button start
// and the texts.
#include <gtest/gtest.h>

#include "StartupRules.h"

namespace {

using StartupRules::DoubleClick;

TEST(StartupRules, OnlyTheWholeLineSlashSdcInAnyCaseOpensTheSettingsWindow) {
    const struct {
        const char* line;
        bool settings;
    } cases[] = {{"/sDc", true}, {" /SDC", false}, {"/SDC ", false}, {"/SDC x", false},
                 {"SDC", false}, {"/SD", false},   {"/SDCC", false}, {"-SDC", false}};
    for (const auto& c : cases)
        EXPECT_EQ(c.settings, StartupRules::IsSettingsSwitch(c.line)) << '"' << c.line << '"';
}

TEST(StartupRules, TheArgumentsFollowTheProgramNameAndOneBlank) {
    const struct {
        const char* raw;
        const char* arguments;
    } cases[] = {
        {"KVD2KCao.exe /SDC", "/SDC"},
        {"KVD2KCao.exe  /SDC", " /SDC"},
        {"KVD2KCao.exe\t/SDC", "/SDC"},
        {"\"C:\\Program Files\\KVD2KCao.exe\" /sdc", "/sdc"},
        {"\"C:\\Program Files\\KVD2KCao.exe\"  /SDC", " /SDC"},
        {"\"C:\\a b\\KVD2KCao.exe\"/SDC", "/SDC"},
        {"\"C:\\a b\\KVD2KCao.exe /SDC", ""}, // a quote never closed
        {"KVD2KCao.exe", ""},
        {"KVD2KCao.exe ", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.arguments, StartupRules::ArgumentsOf(c.raw)) << c.raw;
    EXPECT_FALSE(StartupRules::IsSettingsSwitch(StartupRules::ArgumentsOf("KVD2KCao.exe  /SDC")));
}

TEST(StartupRules, StoredValuesOutsideTheScrollBarRangesGiveAllThreeDefaults) {
    const struct {
        DoubleClick stored;
        bool valid;
    } cases[] = {
        {{100, 0, 0}, true},
        {{900, 64, 64}, true},
        {{500, 32, 32}, true},
        {{99, 32, 32}, false},
        {{901, 32, 32}, false},
        {{500, 65, 32}, false},
        {{500, 32, 65}, false},
        {{0, 0, 0}, false},
        {{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}, false},
    };
    for (const auto& c : cases) {
        const DoubleClick expected = c.valid ? c.stored : StartupRules::Defaults;
        EXPECT_EQ(expected, StartupRules::ValidOrDefaults(c.stored))
            << c.stored.time << " " << c.stored.width << " " << c.stored.height;
    }
}

TEST(StartupRules, ApplyIsNeededUnlessBarsAndWindowsBothEqualTheSavedValues) {
    const DoubleClick saved = {500, 32, 32};
    EXPECT_FALSE(StartupRules::ApplyNeeded(saved, saved, saved));
    const DoubleClick others[] = {{501, 32, 32}, {500, 31, 32}, {500, 32, 33}};
    for (const DoubleClick& other : others) {
        EXPECT_TRUE(StartupRules::ApplyNeeded(saved, other, saved)) << "a bar moved";
        EXPECT_TRUE(StartupRules::ApplyNeeded(saved, saved, other)) << "Windows differs";
    }
}

TEST(StartupRules, TheRightButtonStartFollowsFunctionAutomaticModeAndVirtualButton) {
    const struct {
        uint8_t function, autoMode, virtualButton;
        bool wanted;
        bool hideRunning;
    } cases[] = {
        {1, 0, 0, true, false}, {1, 1, 0, true, true},   {1, 1, 4, false, true},
        {1, 0, 4, true, false}, {1, 2, 4, false, false}, {1, 2, 0, true, false},
        {0, 1, 0, false, true}, {2, 0, 0, false, false},
    };
    for (const auto& c : cases) {
        DeviceRecord record = {};
        record.RightButtonFunction = c.function;
        record.RightButtonAutoMode = c.autoMode;
        record.VirtualButton = c.virtualButton;
        SCOPED_TRACE(testing::Message()
                     << +c.function << "/" << +c.autoMode << "/" << +c.virtualButton);
        EXPECT_EQ(c.wanted, StartupRules::RightButtonWanted(record));
        EXPECT_EQ(c.hideRunning, StartupRules::HideRunningTool(record, true));
        EXPECT_FALSE(StartupRules::HideRunningTool(record, false)) << "a tool just started";
    }
}

TEST(StartupRules, Texts) {
    EXPECT_EQ("Speed: 100", StartupRules::SpeedLabel(100));
    EXPECT_EQ("Width: 0", StartupRules::WidthLabel(0));
    EXPECT_EQ("Hight: 64", StartupRules::HeightLabel(64));
    EXPECT_EQ("Fail to SetDoubleClock (TR)!", StartupRules::ApplyFailureText("TR"));
}

} // namespace
