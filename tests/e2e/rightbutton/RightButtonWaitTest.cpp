// The armed wait of the right-button tool: pressing the button arms the
// driver until a touch makes the right click or the user cancels.
#include <functional>

#include "RightButtonScenario.h"
#include "ShowWatch.h"

namespace rbtest {
namespace {

class RightButtonWait : public RightButtonScenario {
  protected:
    // Presses the button and waits until the driver is armed and the button
    // hidden; returns the journal position before the press.
    uint32_t PressAndAwaitArming() {
        const uint32_t before = Sim().JournalTotal();
        e2e::ClickButton(ActionButton());
        e2e::WaitUntil([&] { return Registration().Value == 1; }, "the driver to be armed");
        e2e::WaitForVisible(ActionButton(), false);
        return before;
    }

    // Waits until the tool has polled the driver a few times more: its
    // pending messages have then been handled.
    void AwaitFurtherPolls() {
        const uint32_t polls = e2e::RequestCount(Sim(), IOCTL_GetToolWindow);
        e2e::WaitForRequests(Sim(), IOCTL_GetToolWindow, 0, polls + 3);
    }

    // Expects the wait over: button back, driver disarmed, still registered.
    void ExpectIdleAgain(const std::string& after) {
        EXPECT_TRUE(e2e::WaitForVisible(ActionButton(), true)) << after;
        WindowBlock block = Registration();
        EXPECT_EQ(0, block.Value) << after;
        EXPECT_EQ(AsHandle(ToolWindow()), block.Handle) << after;
    }
};

TEST_F(RightButtonWait, ArmsTheDriverAndATouchBringsTheButtonBack) {
    ASSERT_TRUE(StartTool());
    const uint32_t before = PressAndAwaitArming();
    std::vector<WindowBlock> sent = SentBlocks(before);
    ASSERT_EQ(1u, sent.size()) << "one SetToolWindow arms";
    EXPECT_EQ(AsHandle(ToolWindow()), sent[0].Handle);
    EXPECT_EQ(1, sent[0].Value);
    EXPECT_TRUE(IsWindowVisible(ToolWindow())) << "only the button hides";

    AwaitFurtherPolls();
    EXPECT_FALSE(IsWindowVisible(ActionButton())) << "still waiting without a touch";

    ASSERT_TRUE(Sim().QueueTouch({sim::Touched(300, 400), sim::Lifted(300, 400)}));
    ExpectIdleAgain("after the touch");
    EXPECT_EQ(1u, e2e::ReadState(Sim()).RightClicks);
    sent = SentBlocks(before);
    ASSERT_EQ(2u, sent.size()) << "armed, then disarmed";
    EXPECT_EQ(AsHandle(ToolWindow()), sent[1].Handle);
    EXPECT_EQ(0, sent[1].Value);

    PressAndAwaitArming(); // and it can be armed again
    ASSERT_TRUE(Sim().QueueTouch({sim::Touched(10, 10)}));
    ExpectIdleAgain("after the second touch");
    EXPECT_EQ(2u, e2e::ReadState(Sim()).RightClicks);
}

TEST_F(RightButtonWait, AKeyOrALeftOrRightPressCancels) {
    ASSERT_TRUE(StartTool());
    const std::pair<const char*, std::function<void()>> cancels[] = {
        {"a key press", [&] { e2e::PressKey(ToolWindow(), 'X'); }},
        {"a left press", [&] { e2e::MousePress(ToolWindow(), e2e::MouseButton::Left); }},
        {"a right press", [&] { e2e::MousePress(ToolWindow(), e2e::MouseButton::Right); }},
    };
    for (const auto& [what, cancel] : cancels) {
        const uint32_t before = PressAndAwaitArming();
        cancel();
        ExpectIdleAgain(std::string("after ") + what);
        std::vector<WindowBlock> sent = SentBlocks(before);
        ASSERT_EQ(2u, sent.size()) << what;
        EXPECT_EQ(0, sent[1].Value) << what << " disarms";
    }
    EXPECT_EQ(0u, e2e::ReadState(Sim()).RightClicks);
}

// An armed driver turns the user's next touch into a right click.
TEST_F(RightButtonWait, AFailedDisarmIsRepeated) {
    ASSERT_TRUE(StartTool());
    PressAndAwaitArming();
    ASSERT_TRUE(Sim().FailNext(2, IOCTL_SetToolWindow));
    e2e::PressKey(ToolWindow(), 'X');
    ExpectIdleAgain("after a cancel whose disarm failed twice");
}

TEST_F(RightButtonWait, AMiddlePressDoesNotCancel) {
    ASSERT_TRUE(StartTool());
    PressAndAwaitArming();
    e2e::MousePress(ToolWindow(), e2e::MouseButton::Middle);
    AwaitFurtherPolls();
    EXPECT_FALSE(IsWindowVisible(ActionButton()));
    EXPECT_EQ(1, Registration().Value) << "still armed";

    ASSERT_TRUE(Sim().QueueTouch({sim::Touched(1, 1)}));
    ExpectIdleAgain("after the touch");
}

TEST_F(RightButtonWait, QuitDuringTheWaitEndsWithoutShowingTheButton) {
    ASSERT_TRUE(StartTool());
    const uint32_t before = PressAndAwaitArming();
    HWND button = ActionButton();
    e2e::ShowWatch shows(Tool().Id());
    {
        e2e::PendingSend quit(ToolWindow(), WM_USER, QuitCommand, 0);
        EXPECT_TRUE(Tool().WaitForExit());
    }
    EXPECT_FALSE(shows.WasShown(button));
    WindowBlock block = Registration();
    EXPECT_EQ(-1, block.Handle);
    EXPECT_EQ(0, block.Value);
    for (const WindowBlock& sent : SentBlocks(before + 1))
        EXPECT_EQ(-1, sent.Handle) << "nothing registers the closed window again";
}

} // namespace
} // namespace rbtest
