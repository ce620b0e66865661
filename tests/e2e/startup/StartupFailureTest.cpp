// The failures that end the agent, each with its box titled with the
// program title, and the second copy that ends at once.
#include "ShowWatch.h"
#include "StartupScenario.h"
#include "basVersion.h"

namespace aotest {
namespace {

using StartupFailure = StartupScenario;

// Answers the one box the agent shows and waits for the agent to end.
void ExpectBoxThenEnd(e2e::Program& agent, const std::string& text) {
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(agent.Id());
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(basVersion::StartupAgentTitle, box.title);
    EXPECT_TRUE(box.hasOk && box.hasIcon && box.topmost) << "the shared error box";
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(agent.WaitForExit());
}

TEST_F(StartupFailure, WithoutTheDriverItReportsAfterApplyingAndEnds) {
    StopDriver();
    e2e::Program& agent = StartAgent();
    ExpectBoxThenEnd(agent, std::string("Fail to open ") + basVersion::DriverFile + "!");
    EXPECT_EQ("500", MouseValue("DoubleClickSpeed")) << "the values went to Windows first";
    EXPECT_TRUE(e2e::ProcessIdsNamed(basVersion::SmiProgramFile).empty());
}

TEST_F(StartupFailure, WithoutAControllerItReportsAndStartsNothing) {
    PresetToolOn(0, true);
    e2e::Program& agent = StartAgent();
    ExpectBoxThenEnd(agent, "TouchScreen Controller Not Found!");
    EXPECT_TRUE(e2e::ProcessIdsNamed(basVersion::SmiProgramFile).empty());
    EXPECT_TRUE(e2e::ProcessIdsNamed(basVersion::RightButtonFile).empty());
}

TEST_F(StartupFailure, WithoutTheIdentityItReportsAndChangesNothing) {
    e2e::ClearSettingsKey();
    const uint32_t journalStart = Sim().JournalTotal();
    e2e::Program& agent = StartAgent();
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(agent.Id());
    EXPECT_EQ(" TouchScreen", box.title.substr(0, 12));
    EXPECT_EQ("Fail to load data from Register File!", box.text);
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(agent.WaitForExit());
    EXPECT_EQ("1", MouseValue("DoubleClickSpeed"));
    EXPECT_EQ(journalStart, Sim().JournalTotal()) << "the driver was not asked";
}

TEST_F(StartupFailure, ASecondCopyLeavesTheSettingsWindowAndEndsWithoutApplying) {
    e2e::Program* first = nullptr;
    ASSERT_TRUE(StartAgentWindow("/SDC", first));

    e2e::Program second;
    ASSERT_TRUE(second.StartHeld(basVersion::StartupAgentFile));
    e2e::ShowWatch shows(second.Id());
    second.Resume();
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ("nothing", e2e::Describe(shows.Shown())) << "shown by the second copy";
    EXPECT_EQ("1", MouseValue("DoubleClickSpeed")) << "the second copy applied nothing";
    EXPECT_TRUE(first->IsRunning());
}

} // namespace
} // namespace aotest
