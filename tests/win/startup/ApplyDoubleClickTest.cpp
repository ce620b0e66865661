// The double-click steps: the letters of the failed steps, the stored values
// and their defaults.
#include "BasMain.h"
#include "Settings.h"
#include "StartupTestSupport.h"
#include "basVersion.h"

namespace aotest {
namespace {

using ApplyDoubleClick = StartupTest;

TEST_F(ApplyDoubleClick, EveryFailedStepLeavesItsLetterInOneBox) {
    const struct {
        const char* failing;
        const char* box; // "" for none
        bool stored;     // the settings key is written
    } cases[] = {
        {"", "", true},
        {"W", "Fail to SetDoubleClock (W)!", true},
        {"TR", "Fail to SetDoubleClock (TR)!", false},
        {"WHTR", "Fail to SetDoubleClock (WHTR)!", false},
        {"wht", "Fail to SetDoubleClock (wht)!", true},
        {"Hh", "Fail to SetDoubleClock (Hh)!", true},
    };
    const std::vector<std::pair<UINT, UINT>> parameters = {
        {SPI_SETDOUBLECLKWIDTH, 8}, {SPI_SETDOUBLECLKHEIGHT, 9}, {SPI_SETDOUBLECLICKTIME, 420}};
    const std::vector<std::pair<std::string, std::string>> written = {
        {"DoubleClickWidth", "8"}, {"DoubleClickHeight", "9"}, {"DoubleClickSpeed", "420"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        e2e::PrepareSettingsKey();
        mouse = MouseRecorder{c.failing, {}, {}};
        const size_t boxesBefore = boxes.Boxes().size();
        BasMain::DoubleClick = {420, 8, 9};

        BasMain::ApplyDoubleClick();
        EXPECT_EQ(parameters, mouse.parameters) << "every value is offered whatever failed";
        ASSERT_EQ(boxesBefore + (c.box[0] ? 1 : 0), boxes.Boxes().size());
        if (c.box[0]) {
            EXPECT_EQ(c.box, boxes.Boxes().back().text);
            EXPECT_EQ(basVersion::StartupAgentTitle, boxes.Boxes().back().title);
            EXPECT_EQ(0x1010u, boxes.Boxes().back().style);
        }
        DWORD speed = 0;
        EXPECT_EQ(c.stored, e2e::ReadSettingDword("DoubleClickSpeed", speed));
        if (c.stored) {
            EXPECT_EQ(420u, speed);
            EXPECT_EQ(written, mouse.written);
        }
    }
}

TEST_F(ApplyDoubleClick, OneMissingMistypedOrOutOfRangeValueGivesAllThreeDefaults) {
    enum Spoil { Missing, AsText, OutOfRange };
    const struct {
        const char* name;
        Spoil spoil;
    } spoilers[] = {{"DoubleClickSpeed", Missing},
                    {"DoubleClickHeight", AsText},
                    {"DoubleClickWidth", OutOfRange}};
    const char* const names[] = {"DoubleClickSpeed", "DoubleClickWidth", "DoubleClickHeight"};
    const DWORD values[] = {300, 30, 30};
    for (const auto& spoiler : spoilers) {
        SCOPED_TRACE(spoiler.name);
        e2e::PrepareSettingsKey();
        for (int i = 0; i < 3; i++) {
            if (std::string(names[i]) != spoiler.name) {
                ASSERT_TRUE(e2e::WriteSettingDword(names[i], values[i]));
            } else if (spoiler.spoil == AsText) {
                ASSERT_TRUE(e2e::WriteSettingString(names[i], "30"));
            } else if (spoiler.spoil == OutOfRange) {
                ASSERT_TRUE(e2e::WriteSettingDword(names[i], 0xFFFFFFFF));
            }
        }
        BasMain::LoadDoubleClick();
        EXPECT_EQ(StartupRules::Defaults, BasMain::DoubleClick);
    }
    ASSERT_TRUE(e2e::WriteSettingDword("DoubleClickWidth", 64));
    BasMain::LoadDoubleClick();
    EXPECT_EQ((StartupRules::DoubleClick{300, 64, 30}), BasMain::DoubleClick);
}

} // namespace
} // namespace aotest
