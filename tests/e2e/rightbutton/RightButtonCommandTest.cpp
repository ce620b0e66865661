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
    HWND window = StartTool();
    ASSERT_TRUE(window);

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

// Each box runs its own message loop, which dispatches the next code: one box
// per code nested until the stack ran out.
TEST_F(RightButtonCommands, AFloodOfUnknownCodesGetsOneBoxAndTheToolGoesOn) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    constexpr int Flood = 3000;
    for (int i = 0; i < Flood; ++i)
        ASSERT_TRUE(PostMessageA(window, WM_USER, 0x2000 + i, i)) << i;
    // Posted last, so handled after the whole flood.
    ASSERT_TRUE(PostMessageA(window, WM_USER, HideCommand, 0));
    ASSERT_TRUE(e2e::WaitForVisible(window, false)) << "the flood handled";

    ASSERT_TRUE(Tool().IsRunning());
    std::vector<e2e::MessageBoxInfo> boxes = e2e::MessageBoxesOf(Tool().Id());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("RBF_WndProc Fail! wParam=2000h, lParam=0h", boxes[0].text);
    ASSERT_TRUE(e2e::AnswerMessageBox(boxes[0], IDOK));
    SendCommand(ShowCommand);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(AsHandle(window), Registration().Handle);
}

} // namespace
} // namespace rbtest
