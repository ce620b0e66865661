// Commands sent to the right-button tool by other programs: hide, show and
// quit, any other WM_USER code, and closing its window.
#include "BasGlobal.h"
#include "RightButtonScenario.h"
#include "basVersion.h"

namespace rbtest {
namespace {

using RightButtonCommands = RightButtonScenario;

// GetToolWindow as another program of the suite makes it.
int32_t HandleSeenByAnotherProgram() {
    if (!BasGlobal::OpenDevice())
        return 0;
    BasGlobal::ToolWindow.Handle = 0;
    BasGlobal::GetToolWindow();
    BasGlobal::CloseDevice();
    return BasGlobal::ToolWindow.Handle;
}

TEST_F(RightButtonCommands, HideShowAndQuitFromAnotherProcess) {
    HWND window = StartTool(SW_HIDE);
    ASSERT_TRUE(window);
    EXPECT_FALSE(IsWindowVisible(window)) << "started hidden";

    SendCommand(ShowCommand);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(ActionButton()));
    SendCommand(HideCommand);
    EXPECT_FALSE(IsWindowVisible(window));
    SendCommand(ShowCommand);
    EXPECT_TRUE(IsWindowVisible(window));

    SendCommand(QuitCommand);
    EXPECT_TRUE(Tool().WaitForExit());
    EXPECT_EQ(-1, HandleSeenByAnotherProgram());
    std::vector<WindowBlock> sent = SentBlocks();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(-1, sent.back().Handle);
    EXPECT_EQ(0, sent.back().Value);
}

TEST_F(RightButtonCommands, ClosingTheWindowUnregisters) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Tool().WaitForExit());
    EXPECT_EQ(-1, HandleSeenByAnotherProgram());
}

TEST_F(RightButtonCommands, AnyOtherCodeIsReportedAndTheToolGoesOn) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    const struct {
        WPARAM wParam;
        LPARAM lParam;
        const char* text;
    } cases[] = {
        {0x1234, 0x10, "RBF_WndProc Fail! wParam=1234h, lParam=10h"},
        {0, static_cast<LPARAM>(0xFFFFFFFF), "RBF_WndProc Fail! wParam=0h, lParam=FFFFFFFFh"},
        {0xABCDEF01, 0x0F00, "RBF_WndProc Fail! wParam=ABCDEF01h, lParam=F00h"},
    };
    for (const auto& c : cases) {
        e2e::PendingSend send(window, WM_USER, c.wParam, c.lParam);
        e2e::MessageBoxInfo box = e2e::WaitForMessageBox(Tool().Id());
        ASSERT_TRUE(box.window);
        EXPECT_EQ(c.text, box.text);
        EXPECT_EQ(basVersion::RightButtonTitle, box.title);
        EXPECT_TRUE(box.hasOk);
        EXPECT_FALSE(box.hasCancel || box.hasYes || box.hasNo) << "OK only";
        ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
        LRESULT result = -1;
        ASSERT_TRUE(send.Wait(result));
        EXPECT_EQ(0, result);
    }

    EXPECT_TRUE(Tool().IsRunning());
    EXPECT_EQ(AsHandle(window), Registration().Handle);
    SendCommand(HideCommand);
    EXPECT_FALSE(IsWindowVisible(window)) << "still answering commands";
}

} // namespace
} // namespace rbtest
