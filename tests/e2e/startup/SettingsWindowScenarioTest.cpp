// The double-click settings window, opened with /SDC: it waits for the user,
// Cancel ends it without a change, OK applies what differs from Windows.
#include "StartupScenario.h"
#include "basVersion.h"

namespace aotest {
namespace {

using SettingsWindow = StartupScenario;

TEST_F(SettingsWindow, TheSwitchInAnyCaseOpensItAndCancelOrTheCloseBoxChangeNothing) {
    const uint32_t journalStart = Sim().JournalTotal();
    for (bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox ? "close box" : "Cancel");
        e2e::Program* agent = nullptr;
        HWND window = StartAgentWindow(byCloseBox ? "/Sdc" : "/sdc", agent);
        ASSERT_TRUE(window);
        HWND settings = e2e::WaitForControl(window, "Frame1");
        EXPECT_TRUE(settings && IsWindowVisible(settings));
        if (!byCloseBox) {
            EXPECT_FALSE(e2e::PollUntil([&] { return !agent->IsRunning(); }, 1500))
                << "the window waits for the user";
        }
        // Moved, so that applying would show.
        HWND bar = e2e::FindControl(window, "hscTT");
        PostMessageA(GetParent(bar), WM_HSCROLL, SB_PAGERIGHT, reinterpret_cast<LPARAM>(bar));

        if (byCloseBox)
            PostMessageA(window, WM_CLOSE, 0, 0);
        else
            e2e::ClickButton(e2e::FindControl(window, "cmdCandel"));
        ASSERT_TRUE(agent->WaitForExit());
        EXPECT_EQ("1", MouseValue("DoubleClickSpeed"));
    }
    EXPECT_EQ(journalStart, Sim().JournalTotal()) << "the settings window leaves the driver alone";
}

TEST_F(SettingsWindow, OkAppliesTheStoredValuesThatWindowsLacks) {
    ASSERT_TRUE(e2e::WriteSettingDword("DoubleClickSpeed", 450));
    ASSERT_TRUE(e2e::WriteSettingDword("DoubleClickWidth", 6));
    ASSERT_TRUE(e2e::WriteSettingDword("DoubleClickHeight", 7));
    e2e::Program* agent = nullptr;
    HWND window = StartAgentWindow("/SDC", agent);
    ASSERT_TRUE(window);
    e2e::ClickButton(e2e::WaitForControl(window, "cmdOK"));
    ASSERT_TRUE(agent->WaitForExit());
    EXPECT_EQ("6", MouseValue("DoubleClickWidth"));
    EXPECT_EQ("7", MouseValue("DoubleClickHeight"));
    EXPECT_EQ("450", MouseValue("DoubleClickSpeed"));
}

} // namespace
} // namespace aotest
