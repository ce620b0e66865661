// Companion commands: WM_USER with the command code, sent only to the window
// the driver reports, and nothing at all when none is registered.
#include <gtest/gtest.h>

#include "BasGlobal.h"
#include "CompanionTestSupport.h"
#include "WinTestSupport.h"
#include "basPostMesg.h"

namespace {

using namespace companiontest;

class CompanionCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        wintest::ResetController(sim_);
        ASSERT_TRUE(BasGlobal::OpenDevice()) << "error " << GetLastError();
        ASSERT_NE(nullptr, window_.Handle());
    }
    void TearDown() override {
        sim_.Reset();
        BasGlobal::CloseDevice();
    }
    void RegisterTool(int32_t handle) {
        BasGlobal::ToolWindow.Handle = handle;
        BasGlobal::ToolWindow.Value = 0;
        BasGlobal::SetToolWindow();
        ASSERT_TRUE(BasGlobal::LastRequestResult);
    }
    void SendAllToolCommands() {
        basPostMesg::HideToolWindow();
        basPostMesg::ShowToolWindow();
        basPostMesg::QuitTool();
    }
    sim::Client sim_;
    RecordingWindow window_{"companion command receiver"};
};

TEST_F(CompanionCommands, ToolCommandsReachTheRegisteredWindow) {
    RegisterTool(window_.HandleValue());
    SendAllToolCommands();
    const auto& got = window_.Commands();
    ASSERT_EQ(3u, got.size());
    EXPECT_EQ(0x1000u, got[0].wParam);
    EXPECT_EQ(0x1001u, got[1].wParam);
    EXPECT_EQ(0x100Eu, got[2].wParam);
    for (const Command& c : got)
        EXPECT_EQ(0, c.lParam);
}

TEST_F(CompanionCommands, WithNoToolRegisteredOnlyTheDriverIsAsked) {
    // The same window was reachable a moment ago: only the registration differs.
    RegisterTool(window_.HandleValue());
    RegisterTool(-1);
    uint32_t start = sim_.JournalTotal();
    SendAllToolCommands();
    EXPECT_TRUE(window_.Commands().empty());

    uint32_t requests = 0;
    for (const SimJournalEntry& entry : sim_.Journal(start)) {
        EXPECT_EQ(uint32_t(IOCTL_GetToolWindow), entry.Code) << "got 0x" << std::hex << entry.Code;
        requests += 1 + entry.Repeats;
    }
    EXPECT_EQ(3u, requests) << "one GetToolWindow per command";
}

TEST_F(CompanionCommands, QuitSmiReachesTheRegisteredSmiWindowOnly) {
    RecordingWindow tool("tool stand-in");
    RegisterTool(tool.HandleValue());
    ASSERT_TRUE(sim_.SetSmiWindow(window_.HandleValue(), 2));
    basPostMesg::QuitSmi();
    ASSERT_EQ(1u, window_.Commands().size());
    EXPECT_EQ(0x200Eu, window_.Commands()[0].wParam);
    EXPECT_EQ(0, window_.Commands()[0].lParam);
    EXPECT_TRUE(tool.Commands().empty()) << "the SMI command goes to the SMI window";

    ASSERT_TRUE(sim_.SetSmiWindow(-1, 2));
    uint32_t start = sim_.JournalTotal();
    basPostMesg::QuitSmi();
    EXPECT_EQ(1u, window_.Commands().size());
    auto journal = sim_.Journal(start);
    ASSERT_EQ(1u, journal.size());
    EXPECT_EQ(uint32_t(IOCTL_GetSmiWindow), journal[0].Code);
}

TEST_F(CompanionCommands, AFailedDriverRequestSendsNothingToAnOlderHandle) {
    RegisterTool(window_.HandleValue());
    BasGlobal::GetToolWindow(); // the block now holds the handle
    ASSERT_TRUE(sim_.FailNext(1));
    basPostMesg::HideToolWindow();
    EXPECT_TRUE(window_.Commands().empty());

    ASSERT_TRUE(sim_.SetSmiWindow(window_.HandleValue(), 0));
    BasGlobal::GetSmiWindow();
    ASSERT_TRUE(sim_.FailNext(1));
    basPostMesg::QuitSmi();
    EXPECT_TRUE(window_.Commands().empty());

    basPostMesg::HideToolWindow();
    EXPECT_EQ(1u, window_.Commands().size()) << "the next answer is used again";
}

// A receiver on a machine so loaded that it takes the command only after
// the sender's bound: it must still get it, once it comes to its queue.
LONG busyReceiverCommands = 0;

LRESULT CALLBACK CountCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER && wParam == basPostMesg::QuitToolCode) {
        InterlockedIncrement(&busyReceiverCommands);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI BusyReceiver(LPVOID created) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountCommands;
    windowClass.lpszClassName = "BusyCommandReceiver";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA(windowClass.lpszClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                nullptr, nullptr);
    *static_cast<HWND*>(created) = window;
    constexpr DWORD BusyMs = 1500; // longer than one bound of the sender
    Sleep(BusyMs);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    DestroyWindow(window);
    return 0;
}

TEST_F(CompanionCommands, AToolBusyBeyondTheBoundStillGetsTheQuit) {
    volatile HWND window = nullptr;
    HANDLE thread = CreateThread(nullptr, 0, BusyReceiver, const_cast<HWND*>(&window), 0, nullptr);
    ASSERT_NE(nullptr, thread);
    while (window == nullptr && WaitForSingleObject(thread, 10) == WAIT_TIMEOUT) {
    }
    ASSERT_NE(nullptr, window);
    RegisterTool(static_cast<int32_t>(reinterpret_cast<intptr_t>(window)));
    basPostMesg::QuitTool();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 10000)) << "the command never came";
    CloseHandle(thread);
    EXPECT_EQ(1, busyReceiverCommands);
}

} // namespace
