// Finding the running copy's window by its title, and the single-instance
// test made before any window is shown.
#include <gtest/gtest.h>

#include "BasGlobal.h"
#include "CompanionTestSupport.h"
#include "WinTestSupport.h"
#include "basOEM.h"
#include "basPostMesg.h"

namespace {

using namespace companiontest;
using basPostMesg::FindInstanceWindow;

const char* const SmiTitle = "SMI";

TEST(FindInstanceWindow, FindsAnotherProgramsWindowAndSkipsTheOwnOne) {
    sim::Client sim;
    wintest::ResetController(sim);
    ASSERT_TRUE(BasGlobal::OpenDevice());
    basOEM::InstallPath = DeliverFolder();
    RecordingWindow own(SmiTitle);
    ASSERT_TRUE(basPostMesg::StartSmi());
    HWND other = AsWindow(WaitForSmiWindowOtherThan(-1));
    ASSERT_NE(AsWindow(-1), other) << "the SMI stand-in did not register";
    HANDLE process = ProcessOfWindow(other);

    EXPECT_EQ(other, FindInstanceWindow(own.Handle(), SmiTitle));
    EXPECT_EQ(own.Handle(), FindInstanceWindow(other, SmiTitle))
        << "a window of the own process other than `own` counts too";
    // Windows of 32-bit programs have a zero low word in their instance
    // handle and must not pass for windows of 16-bit tasks.
    SetLastError(0);
    EXPECT_EQ(0, GetWindowWord(other, GWLP_HINSTANCE)) << "error " << GetLastError();
    EXPECT_EQ(0, GetWindowWord(own.Handle(), GWLP_HINSTANCE)) << "error " << GetLastError();

    basPostMesg::QuitSmi();
    EXPECT_TRUE(EndedWithin(process, 10000));
    EXPECT_EQ(nullptr, FindInstanceWindow(own.Handle(), SmiTitle));
    sim.Reset();
    BasGlobal::CloseDevice();
}

TEST(FindInstanceWindow, TheTitleMustMatchExactlyAndCaseSensitively) {
    const std::string title = " FindInstanceWindow Title #TS";
    RecordingWindow own(title);
    RecordingWindow other(title);
    EXPECT_EQ(other.Handle(), FindInstanceWindow(own.Handle(), title));
    EXPECT_EQ(nullptr, FindInstanceWindow(own.Handle(), " findinstancewindow title #ts"));
    EXPECT_EQ(nullptr, FindInstanceWindow(own.Handle(), title + " "));
    EXPECT_EQ(nullptr, FindInstanceWindow(own.Handle(), title.substr(0, title.size() - 1)));
    EXPECT_EQ(nullptr, FindInstanceWindow(own.Handle(), title.substr(1)))
        << "the leading blank is part of the title";
}

TEST(FindInstanceWindow, OwnedChildAndUntitledWindowsAreSkipped) {
    const std::string title = "FindInstanceWindow skipped";
    RecordingWindow owner("owner of a popup");
    RecordingWindow popup(title, owner.Handle());
    HWND child = CreateWindowA("STATIC", title.c_str(), WS_CHILD, 0, 0, 10, 10, owner.Handle(),
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(nullptr, FindInstanceWindow(nullptr, title));

    RecordingWindow untitled("");
    EXPECT_EQ(nullptr, FindInstanceWindow(nullptr, "")) << "untitled windows never match";

    RecordingWindow topLevel(title);
    EXPECT_EQ(topLevel.Handle(), FindInstanceWindow(nullptr, title));
    DestroyWindow(child);
}

// Another copy starting at the same time activates the running window, which
// moves it to the top, above the hidden window the walk stands on.
HWND MovedAboveTheWalk = nullptr;
WNDPROC HiddenWindowProc = nullptr;
LRESULT CALLBACK MoveOnFirstRead(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXT && MovedAboveTheWalk != nullptr) {
        SetWindowPos(MovedAboveTheWalk, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        MovedAboveTheWalk = nullptr;
    }
    return CallWindowProcA(HiddenWindowProc, window, message, wParam, lParam);
}

TEST(FindInstanceWindow, AShownWindowMovedAboveTheWalkIsStillPreferred) {
    const std::string title = " Moved Above The Walk #TS";
    RecordingWindow running(title);
    ShowWindow(running.Handle(), SW_SHOWNOACTIVATE);
    RecordingWindow starting(title); // created last: above the running one
    HiddenWindowProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        starting.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MoveOnFirstRead)));
    MovedAboveTheWalk = running.Handle();

    EXPECT_EQ(running.Handle(), FindInstanceWindow(nullptr, title));
    EXPECT_EQ(nullptr, MovedAboveTheWalk) << "the walk never read the hidden window";
    SetWindowLongPtrA(starting.Handle(), GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(HiddenWindowProc));
}

TEST(SingleInstance, TheFirstCopyHoldsANamedMutexPerProgram) {
    EXPECT_FALSE(basPostMesg::AnotherCopyRuns("KVD2KCzz.exe"));
    HANDLE probe = CreateMutexA(nullptr, FALSE, "KVD2KCzz.SingleInstance");
    DWORD error = GetLastError();
    ASSERT_NE(nullptr, probe);
    EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), error) << "the first copy keeps holding it";
    CloseHandle(probe);

    EXPECT_TRUE(basPostMesg::AnotherCopyRuns("KVD2KCzz.exe")) << "a second start sees the first";
    EXPECT_TRUE(basPostMesg::AnotherCopyRuns("KVD2KCzz.EXE"));
    EXPECT_FALSE(basPostMesg::AnotherCopyRuns("KVD2KPzz.exe"))
        << "the other build is another program";
}

TEST(SingleInstance, TheRunningCopyIsBroughtToTheFront) {
    const std::string title = " ActivateRunningCopy #TS";
    RecordingWindow running(title);
    ShowWindow(running.Handle(), SW_SHOWNORMAL);
    RecordingWindow own(title);
    RecordingWindow elsewhere("elsewhere");
    ShowWindow(elsewhere.Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(elsewhere.Handle());

    wintest::BoxRecorder boxes;
    EXPECT_TRUE(basPostMesg::ActivateRunningCopy(own.Handle(), title));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(running.Handle(), GetForegroundWindow());
}

TEST(SingleInstance, WithoutTheRunningCopysWindowTheUserIsTold) {
    const std::string title = " No Such Copy #TS";
    RecordingWindow own(title);
    wintest::BoxRecorder boxes;
    EXPECT_FALSE(basPostMesg::ActivateRunningCopy(own.Handle(), title));
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("Application is running!\r\rPlease find and select the running window from Taskbar.",
              boxes.Boxes()[0].text);
    EXPECT_EQ(0x1010u, boxes.Boxes()[0].style);
    EXPECT_EQ(title, boxes.Boxes()[0].title);
}

} // namespace
