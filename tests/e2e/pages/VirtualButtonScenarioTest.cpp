// The virtual button page of the running control panel: the enabling rule,
// the Apply state of settings in force, and the right-button tool started
// or closed by Apply.
#include "PagesScenario.h"
#include "basVersion.h"

namespace {

using namespace pagese2e;

const char* const AutomaticRow[] = {"lblRBAutoSTime", "cboRBAutoSTime", "lblRBAutoSTimeSec",
                                    "lblRBAutoETime", "cboRBAutoETime", "lblRBAutoETimeSec",
                                    "lblRBAutoBeep",  "cboRBAutoBeep"};

class VirtualButtonPage : public PagesScenario {
  protected:
    void ExpectRow(HWND page, bool enabled, const char* when) {
        for (const char* control : AutomaticRow)
            EXPECT_EQ(enabled, Enabled(page, control)) << control << " " << when;
    }
    std::vector<DWORD> Tools() { return e2e::ProcessIdsNamed(basVersion::RightButtonFile); }
    bool ToolRegistered() { return e2e::ReadState(Sim()).Tool.Handle != -1; }
};

TEST_F(VirtualButtonPage, EnablingApplyStateAndTheRightButtonTool) {
    ASSERT_TRUE(Tools().empty()) << "a tool left over from elsewhere";
    HWND page = OpenPage(
        [](DeviceRecord& record) {
            record.VirtualButton = 1;
            record.RightButtonFunction = record.RightButtonAutoMode = 0;
            record.RightButtonAutoSTime = record.RightButtonAutoETime = 1;
            record.RightButtonAutoBeep = 1;
        },
        "cmdVirtualButton", "frmVirtualButton");
    ASSERT_TRUE(page);
    const std::vector<std::string> times = {"0.5", "1",   "1.5", "2",   "2.5",
                                            "3",   "3.5", "4",   "4.5", "5"};
    EXPECT_EQ(times, Items(page, "cboRBAutoSTime"));
    EXPECT_EQ(times, Items(page, "cboRBAutoETime"));
    EXPECT_EQ(" Stream Mode", Text(page, "optVirtualButton(1)"));
    EXPECT_FALSE(Enabled(page, "cboRBAutoMode"));
    ExpectRow(page, false, "in stream mode");

    // Function on in stream mode: Apply starts the tool (with SW_HIDE, which
    // only keeps its start from flashing: the button comes up).
    Click(page, "optRBFunction(1)");
    EXPECT_FALSE(Enabled(page, "cboRBAutoMode")) << "automatic only in drag and drop";
    EXPECT_TRUE(Enabled(page, "cmdApply"));
    EXPECT_EQ(1u, ClickCounting(page, "cmdApply", IOCTL_SetVirtualButton));
    EXPECT_EQ(1, DriverRecord().RightButtonFunction);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !Tools().empty() && ToolRegistered(); },
                               "the right-button tool started and registered"));
    for (DWORD id : Tools())
        Adopt(id);
    const HWND tool =
        reinterpret_cast<HWND>(static_cast<intptr_t>(e2e::ReadState(Sim()).Tool.Handle));
    EXPECT_TRUE(e2e::WaitForVisible(tool, true)) << "the user has a button";

    // Drag and drop, manual: the row stays off; automatic: it comes on.
    Click(page, "optVirtualButton(4)");
    EXPECT_TRUE(Enabled(page, "cboRBAutoMode"));
    ExpectRow(page, false, "in manual mode");
    Click(page, "cmdApply");
    EXPECT_EQ(4, DriverRecord().VirtualButton);
    Choose(page, "cboRBAutoMode", 1);
    ExpectRow(page, true, "in automatic mode");
    EXPECT_TRUE(Enabled(page, "cmdApply")) << "the automatic mode differs";
    Choose(page, "cboRBAutoSTime", 5);
    Choose(page, "cboRBAutoMode", 0);
    EXPECT_FALSE(Enabled(page, "cmdApply")) << "a changed time is not in force in manual mode";
    Choose(page, "cboRBAutoMode", 1);
    Choose(page, "cboRBAutoSTime", 1);
    EXPECT_TRUE(Enabled(page, "cmdApply")) << "the automatic mode still differs";

    // Automatic mode applied: the driver toggles, the tool is closed.
    Choose(page, "cboRBAutoETime", 9);
    uint32_t first = Sim().JournalTotal();
    Click(page, "cmdApply");
    DeviceRecord record = DriverRecord();
    EXPECT_EQ(1, record.RightButtonAutoMode);
    EXPECT_EQ(9, record.RightButtonAutoETime);
    EXPECT_GE(Requests(IOCTL_GetToolWindow, first), 1u);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Tools().empty(); }, "the tool closed"));
    EXPECT_TRUE(e2e::WaitForGone(tool));
    Choose(page, "cboRBAutoBeep", 0);
    EXPECT_TRUE(Enabled(page, "cmdApply")) << "the beep is in force";
    Choose(page, "cboRBAutoBeep", 1);
    EXPECT_FALSE(Enabled(page, "cmdApply"));

    // Function off with no tool registered: nothing to close, nothing started.
    Click(page, "optRBFunction(0)");
    ExpectRow(page, false, "with the function off");
    EXPECT_FALSE(Enabled(page, "cboRBAutoMode"));
    EXPECT_EQ(1u, ClickCounting(page, "cmdOK", IOCTL_SetVirtualButton)) << "OK applies first";
    EXPECT_EQ(0, DriverRecord().RightButtonFunction);
    EXPECT_TRUE(e2e::WaitForGone(page));
    EXPECT_TRUE(Tools().empty());
    EXPECT_EQ("Drag Drop Mode, RBF Disable", Text(main_, "lblVirtualButton"));
}

} // namespace
