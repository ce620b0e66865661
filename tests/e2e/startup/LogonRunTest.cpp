// The logon run: the stored double-click values go to Windows, the SMI
// program and the right-button tool are started or left alone as the record
// says, and the agent ends by itself.
#include <cstring>

#include "StartupScenario.h"
#include "basVersion.h"

namespace aotest {
namespace {

using LogonRun = StartupScenario;

TEST_F(LogonRun, AppliesTheStoredValuesAndStartsBothCompanions) {
    ASSERT_TRUE(e2e::WriteSettingDword("DoubleClickSpeed", 400));
    ASSERT_TRUE(e2e::WriteSettingDword("DoubleClickWidth", 10));
    ASSERT_TRUE(e2e::WriteSettingDword("DoubleClickHeight", 12));
    PresetToolOn(0);
    const uint32_t journalStart = Sim().JournalTotal();

    ExpectLogonRunEnds(StartAgent());

    EXPECT_EQ("10", MouseValue("DoubleClickWidth"));
    EXPECT_EQ("12", MouseValue("DoubleClickHeight"));
    EXPECT_EQ("400", MouseValue("DoubleClickSpeed"));
    EXPECT_EQ(1u, e2e::ProcessIdsNamed(basVersion::SmiProgramFile).size())
        << "the SMI program runs";
    EXPECT_EQ(0u, e2e::RequestCount(Sim(), IOCTL_SetResolution, journalStart))
        << "the SMI program gives the screen size, not the agent";
    ASSERT_TRUE(e2e::WaitUntil([&] { return RegisteredTool() != nullptr; }, "the tool"));
    EXPECT_EQ(1u, e2e::ProcessIdsNamed(basVersion::RightButtonFile).size());
    EXPECT_TRUE(e2e::WaitForVisible(RegisteredTool(), true))
        << "started with SW_HIDE, the tool still shows its button";
}

TEST_F(LogonRun, WithoutTheCompanionsItGivesTheScreenSizeAndReportsTheTool) {
    e2e::Identity identity;
    identity.installPath = EmptyInstallFolder();
    e2e::PrepareSettingsKey(identity);
    PresetToolOn(0);
    const uint32_t journalStart = Sim().JournalTotal();

    e2e::Program& agent = StartAgent();
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(agent.Id());
    EXPECT_EQ("Fail to initialize Right Button Function!", box.text);
    EXPECT_EQ(basVersion::StartupAgentTitle, box.title);
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(agent.WaitForExit()) << "the agent goes on and ends";

    const auto sizes = Sim().JournalOf(IOCTL_SetResolution, journalStart);
    ASSERT_EQ(1u, sizes.size());
    EXPECT_EQ(0u, sizes[0].Repeats);
    DeviceRecord sent;
    memcpy(&sent, sizes[0].Block, sizeof sent);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), sent.ResolutionX);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), sent.ResolutionY);
    EXPECT_EQ("32", MouseValue("DoubleClickWidth")) << "no stored values: the defaults";
    EXPECT_EQ("32", MouseValue("DoubleClickHeight"));
    EXPECT_EQ("500", MouseValue("DoubleClickSpeed"));
}

TEST_F(LogonRun, ARunningToolIsToldToHideOnlyInTheAutomaticMode) {
    for (uint8_t autoMode : {1, 0}) {
        e2e::Program& tool = Start(basVersion::RightButtonFile, SW_SHOWNORMAL);
        ASSERT_TRUE(e2e::WaitUntil([&] { return RegisteredTool() != nullptr; }, "the tool"));
        HWND window = RegisteredTool();
        ASSERT_TRUE(e2e::WaitForVisible(window, true));
        PresetToolOn(autoMode);

        ExpectLogonRunEnds(StartAgent());
        EXPECT_EQ(autoMode == 0, IsWindowVisible(window) != FALSE)
            << "automatic mode " << +autoMode;
        EXPECT_EQ(1u, e2e::ProcessIdsNamed(basVersion::RightButtonFile).size()) << "no second tool";
        tool.End();
    }
}

TEST_F(LogonRun, AToolThatAnswersNoMessageDelaysTheEndByASecondAtMost) {
    e2e::Program& tool = Start(basVersion::RightButtonFile, SW_SHOWNORMAL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return RegisteredTool() != nullptr; }, "the tool"));
    ASSERT_TRUE(e2e::WaitForVisible(RegisteredTool(), true));
    ASSERT_TRUE(tool.HoldWindowThread(RegisteredTool()));
    PresetToolOn(1); // the running tool is told to hide

    const DWORD start = GetTickCount();
    e2e::Program& agent = StartAgent();
    ASSERT_TRUE(agent.WaitForExit());
    EXPECT_LT(GetTickCount() - start, 3500u)
        << "the designed second, a second of waiting for the tool, and the start";
    EXPECT_EQ(0u, agent.ExitCode());
    tool.Resume();
}

} // namespace
} // namespace aotest
