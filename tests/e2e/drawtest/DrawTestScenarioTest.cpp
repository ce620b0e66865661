// The draw test opened from the control panel's main window by the hidden
// gesture on its Exit button, drawn on, and closed again.
#include <cstring>

#include "E2e.h"
#include "basVersion.h"

namespace {

constexpr uint8_t LiftOffMode = 2;
constexpr uint8_t DragDropMode = 4;

class DrawTestScenario : public e2e::Scenario {
  protected:
    std::vector<int> TouchModesSent() {
        std::vector<int> modes;
        for (const SimJournalEntry& entry : Sim().JournalOf(IOCTL_SetVirtualButton)) {
            DeviceRecord record;
            memcpy(&record, entry.Block, sizeof record);
            modes.push_back(record.VirtualButton);
        }
        return modes;
    }
};

TEST_F(DrawTestScenario, OpensInDragDropModeAndGivesTheTouchModeBack) {
    DeviceRecord record = e2e::ReadState(Sim()).Record;
    record.VirtualButton = LiftOffMode;
    ASSERT_TRUE(Sim().PresetRecord(record));
    const e2e::Program& panel = Start(basVersion::ControlPanelFile);
    HWND main = e2e::WaitForForm(panel.Id(), "frmMain");
    ASSERT_TRUE(main && e2e::WaitForVisible(main, true));
    HWND summary = e2e::FindControl(main, "lblVirtualButton");
    ASSERT_TRUE(summary);
    const std::string summaryBefore = e2e::TextOf(summary);

    HWND exitButton = e2e::FindControl(main, "cmdExit");
    ASSERT_TRUE(exitButton);
    HWND test = nullptr;
    {
        e2e::HeldModifiers held(exitButton, e2e::Ctrl | e2e::Alt);
        e2e::MousePress(exitButton, e2e::MouseButton::Middle, e2e::Ctrl);
        test = e2e::WaitForForm(panel.Id(), "frmTest");
    }
    ASSERT_TRUE(test);
    EXPECT_TRUE(e2e::WaitForVisible(test, true));
    EXPECT_TRUE(e2e::WaitForVisible(main, false));
    EXPECT_TRUE(e2e::WaitUntil([&] { return TouchModesSent() == std::vector<int>{DragDropMode}; },
                               "Drag Drop sent"));
    EXPECT_EQ(DragDropMode, e2e::ReadState(Sim()).Record.VirtualButton);

    HWND exitTest = e2e::FindControl(test, "cmdExit");
    ASSERT_TRUE(exitTest);
    EXPECT_EQ("E&xit Test", e2e::TextOf(exitTest));
    e2e::ClickButton(exitTest);
    EXPECT_TRUE(e2e::WaitForGone(test));
    EXPECT_TRUE(e2e::WaitForVisible(main, true));
    EXPECT_EQ((std::vector<int>{DragDropMode, LiftOffMode}), TouchModesSent());
    EXPECT_EQ(LiftOffMode, e2e::ReadState(Sim()).Record.VirtualButton);
    EXPECT_EQ(summaryBefore, e2e::TextOf(summary));
}

} // namespace
