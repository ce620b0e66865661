// Start of the right-button tool: its window, the single registered copy,
// and the start without a driver.
#include "BasGlobal.h"
#include "RightButtonScenario.h"
#include "basVersion.h"

namespace rbtest {
namespace {

using RightButtonStart = RightButtonScenario;

TEST_F(RightButtonStart, ShowsOneIconButtonAtTheWorkAreaCornerOnTop) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    ASSERT_TRUE(ActionButton());
    ASSERT_TRUE(e2e::WaitForVisible(window, true));

    EXPECT_EQ(ToolCaption(), e2e::TextOf(window));
    EXPECT_EQ("frmMain", e2e::ControlNameOf(window));
    EXPECT_TRUE(e2e::IsTopmost(window));

    RECT work = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    RECT outer = e2e::WindowRectOf(window);
    EXPECT_EQ(work.right, outer.right) << "the right edge of the work area";
    EXPECT_EQ(work.bottom, outer.bottom) << "the bottom edge of the work area";

    RECT client = e2e::ClientRectOnScreen(window);
    EXPECT_EQ(40, client.right - client.left);
    EXPECT_EQ(40, client.bottom - client.top);
    RECT button = e2e::ClientRectOnScreen(ActionButton());
    EXPECT_TRUE(EqualRect(&client, &button)) << "the button fills the client area";

    EXPECT_TRUE(IsWindowVisible(ActionButton()));
    EXPECT_EQ("", e2e::TextOf(ActionButton())) << "the button shows no text";
    const LONG style = GetWindowLongA(ActionButton(), GWL_STYLE);
    EXPECT_EQ(BS_ICON, style & BS_ICON) << "style 0x" << std::hex << style;

    SimState state = e2e::ReadState(Sim());
    EXPECT_EQ(0, state.Tool.Value) << "registered idle, not armed";
}

TEST_F(RightButtonStart, ASecondCopyShowsTheRegisteredWindowAndEndsWithoutOne) {
    HWND first = StartTool();
    ASSERT_TRUE(first);
    SendCommand(HideCommand);
    ASSERT_FALSE(IsWindowVisible(first));
    const uint32_t journalBefore = Sim().JournalTotal();

    e2e::Program& second = Start(basVersion::RightButtonFile, SW_SHOWNORMAL);
    bool secondShowedAWindow = false;
    e2e::WaitUntil(
        [&] {
            for (HWND window : e2e::TopLevelWindowsOf(second.Id()))
                secondShowedAWindow = secondShowedAWindow || IsWindowVisible(window);
            return !second.IsRunning();
        },
        "the second copy to end");
    EXPECT_FALSE(secondShowedAWindow);
    EXPECT_TRUE(e2e::WaitForVisible(first, true)) << "the first copy is shown again";

    EXPECT_EQ(AsHandle(first), Registration().Handle) << "the first copy stays registered";
    EXPECT_TRUE(SentBlocks(journalBefore).empty()) << "the second copy changed the registration";
    EXPECT_TRUE(Tool().IsRunning());
}

TEST_F(RightButtonStart, ARegistrationLeftByAVanishedWindowIsTakenOver) {
    HWND vanished =
        CreateWindowA("STATIC", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(vanished);
    DestroyWindow(vanished);
    ASSERT_FALSE(IsWindow(vanished));

    ASSERT_TRUE(BasGlobal::OpenDevice());
    BasGlobal::ToolWindow.Handle = AsHandle(vanished);
    BasGlobal::ToolWindow.Value = 0;
    BasGlobal::ToolWindow.Reserved[0] = 0xAB;
    BasGlobal::ToolWindow.Reserved[1] = 0xCD;
    BasGlobal::SetToolWindow();
    BasGlobal::CloseDevice();

    HWND window = StartTool();
    ASSERT_TRUE(window) << "a new copy starts despite the stale registration";
    EXPECT_TRUE(e2e::WaitForVisible(window, true));
    WindowBlock block = Registration();
    EXPECT_EQ(AsHandle(window), block.Handle);
    EXPECT_EQ(0, block.Value);
    EXPECT_EQ(0xAB, block.Reserved[0]) << "the unused bytes go back as they were read";
    EXPECT_EQ(0xCD, block.Reserved[1]);
}

TEST_F(RightButtonStart, WithoutTheDriverItReportsAndEnds) {
    StopDriver();
    e2e::Program& tool = Start(basVersion::RightButtonFile, SW_SHOWNORMAL);
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(tool.Id());
    ASSERT_TRUE(box.window);
    EXPECT_EQ(basVersion::RightButtonTitle, box.title);
    EXPECT_EQ(std::string("Fail to open ") + basVersion::DriverFile + "!", box.text);
    EXPECT_TRUE(box.hasOk);
    EXPECT_FALSE(box.hasCancel || box.hasYes || box.hasNo) << "OK only";
    EXPECT_TRUE(box.hasIcon) << "the error icon";
    EXPECT_TRUE(box.topmost) << "system-modal";
    HWND window = e2e::FindWindowTitled(tool.Id(), ToolCaption());
    EXPECT_FALSE(window && IsWindowVisible(window)) << "no tool window beside the message";
    EXPECT_TRUE(tool.IsRunning()) << "the program waits for the answer";

    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(tool.WaitForExit());
}

} // namespace
} // namespace rbtest
