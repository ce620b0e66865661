// Start of the right-button tool: its window, the single registered copy,
// and the start without a driver.
#include <memory>
#include <string>
#include <vector>

#include "BasGlobal.h"
#include "RightButtonScenario.h"
#include "ShowWatch.h"
#include "basVersion.h"

namespace rbtest {
namespace {

using RightButtonStart = RightButtonScenario;

// SetToolWindow as another program makes it.
bool RegisterInDriver(const WindowBlock& block) {
    if (!BasGlobal::OpenDevice())
        return false;
    BasGlobal::ToolWindow = block;
    BasGlobal::SetToolWindow();
    const bool written = BasGlobal::LastRequestResult;
    BasGlobal::CloseDevice();
    return written;
}

TEST_F(RightButtonStart, StartedHiddenAsTheSuiteDoesItShowsOneIconButtonAtTheCornerOnTop) {
    HWND window = StartTool(SW_HIDE);
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

    e2e::ShowWatch firstShows(Tool().Id());
    e2e::Program second;
    ASSERT_TRUE(second.StartHeld(basVersion::RightButtonFile, SW_SHOWNORMAL));
    e2e::ShowWatch shows(second.Id());
    second.Resume();
    EXPECT_TRUE(second.WaitForExit()) << "the second copy ends";
    EXPECT_EQ("nothing", e2e::Describe(shows.Shown())) << "shown by the second copy";
    EXPECT_TRUE(e2e::WaitForVisible(first, true)) << "the first copy is shown again";
    // The watch sees what another program shows, or the line above it proves nothing.
    EXPECT_NE(0u, firstShows.ShownAt(first));

    EXPECT_EQ(AsHandle(first), Registration().Handle) << "the first copy stays registered";
    EXPECT_TRUE(SentBlocks(journalBefore).empty()) << "the second copy changed the registration";
    EXPECT_TRUE(Tool().IsRunning());
}

// Handles are reused: a registration left behind may name a window that is
// gone, or by now another program's.
TEST_F(RightButtonStart, ARegistrationThatNamesNoToolIsTakenOver) {
    HWND vanished =
        CreateWindowA("STATIC", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(vanished);
    DestroyWindow(vanished);
    ASSERT_FALSE(IsWindow(vanished));
    HWND foreign = CreateWindowA("STATIC", "another program", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(foreign);

    for (HWND left : {vanished, foreign}) {
        const std::string what = left == foreign ? "a live foreign window" : "a vanished window";
        WindowBlock stale = {};
        stale.Handle = AsHandle(left);
        stale.Reserved[0] = 0xAB;
        stale.Reserved[1] = 0xCD;
        ASSERT_TRUE(RegisterInDriver(stale));

        HWND window = StartTool();
        ASSERT_TRUE(window) << "a new copy starts despite " << what;
        EXPECT_TRUE(e2e::WaitForVisible(window, true)) << what;
        WindowBlock block = Registration();
        EXPECT_EQ(AsHandle(window), block.Handle) << what;
        EXPECT_EQ(0, block.Value) << what;
        EXPECT_EQ(0xAB, block.Reserved[0]) << "the unused bytes go back as they were read";
        EXPECT_EQ(0xCD, block.Reserved[1]);
        SendCommand(QuitCommand);
        ASSERT_TRUE(Tool().WaitForExit());
    }
    DestroyWindow(foreign);
}

// A failed read says nothing about the registration: the new copy neither
// registers over a running one nor runs unregistered.
TEST_F(RightButtonStart, AFailedReadNeverLeavesTwoCopiesOrAnUnregisteredOne) {
    HWND first = StartTool();
    ASSERT_TRUE(first);
    ASSERT_TRUE(Sim().FailNext(1, IOCTL_GetToolWindow));
    e2e::Program& second = Start(basVersion::RightButtonFile, SW_HIDE);
    EXPECT_TRUE(second.WaitForExit()) << "the read is repeated and finds the running copy";
    EXPECT_EQ(AsHandle(first), Registration().Handle);
    EXPECT_TRUE(Tool().IsRunning());

    SendCommand(QuitCommand);
    ASSERT_TRUE(Tool().WaitForExit());
    ASSERT_TRUE(Sim().FailNext(1000, IOCTL_GetToolWindow));
    e2e::Program& unsure = Start(basVersion::RightButtonFile, SW_HIDE);
    EXPECT_TRUE(unsure.WaitForExit()) << "a copy that cannot read the registration ends";
    ASSERT_TRUE(Sim().FailNext(0));
    EXPECT_EQ(-1, Registration().Handle);
}

// Read and write of the registration are two requests; copies that start
// together must not both find it free. The controller answers each copy's
// read late, so that the others' reads come in meanwhile: unguarded, two
// copies register in the first trial.
TEST_F(RightButtonStart, CopiesStartedTogetherLeaveOneRegisteredCopy) {
    constexpr int Copies = 6;
    constexpr uint32_t SlowReadMs = 300;
    for (int trial = 1; trial <= 3; ++trial) {
        ASSERT_TRUE(Sim().SlowNext(Copies, IOCTL_GetToolWindow, SlowReadMs));
        std::vector<std::unique_ptr<e2e::Program>> held;
        std::vector<e2e::Program*> copies;
        for (int i = 0; i < Copies; ++i) {
            held.push_back(std::make_unique<e2e::Program>());
            ASSERT_TRUE(held.back()->StartHeld(basVersion::RightButtonFile, SW_HIDE));
            copies.push_back(held.back().get());
        }
        for (e2e::Program* copy : copies)
            copy->Resume();
        const auto running = [&] {
            std::vector<e2e::Program*> left;
            for (e2e::Program* copy : copies)
                if (copy->IsRunning())
                    left.push_back(copy);
            return left;
        };
        ASSERT_TRUE(e2e::WaitUntil([&] { return running().size() == 1; }, "one copy left"))
            << "trial " << trial << ": " << running().size() << " copies run";
        e2e::Program& survivor = *running().front();
        HWND registered = AsWindow(Registration().Handle);
        DWORD owner = 0;
        GetWindowThreadProcessId(registered, &owner);
        ASSERT_EQ(survivor.Id(), owner) << "trial " << trial << ": the survivor is registered";
        EXPECT_TRUE(e2e::WaitForVisible(registered, true));

        ASSERT_TRUE(e2e::SendWithin(registered, WM_USER, QuitCommand, 0));
        ASSERT_TRUE(survivor.WaitForExit());
        ASSERT_EQ(-1, Registration().Handle) << "trial " << trial;
    }
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
