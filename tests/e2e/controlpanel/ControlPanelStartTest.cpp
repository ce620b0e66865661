// Start of the control panel: one copy at a time, and the failures that end
// it before its main window shows.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ControlPanelScenario.h"
#include "ShowWatch.h"
#include "basVersion.h"

namespace cptest {
namespace {

using ControlPanelStart = ControlPanelScenario;

// Handles this thread's own window messages while waiting: the second copy
// activates windows of this thread and waits for them to answer.
bool PumpUntil(const std::function<bool()>& condition, const std::string& what) {
    return e2e::WaitUntil(
        [&] {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            return condition();
        },
        what);
}

// A further copy of the panel, started as the suite starts it, with every
// window it shows watched from its first instruction on.
class Copy {
  public:
    Copy() {
        EXPECT_TRUE(program_.StartHeld(basVersion::ControlPanelFile));
        shows_ = std::make_unique<e2e::ShowWatch>(program_.Id());
        program_.Resume();
    }
    // Waits for the copy to end; true when it never showed a window or a
    // message box.
    bool EndsQuietly() {
        PumpUntil([&] { return !program_.IsRunning(); }, "the second copy to end");
        const std::string shown = e2e::Describe(shows_->Shown());
        EXPECT_EQ("nothing", shown) << "shown by another copy";
        return shown == "nothing" && !program_.IsRunning();
    }

  private:
    e2e::Program program_;
    std::unique_ptr<e2e::ShowWatch> shows_;
};

// The panel may still be activating itself when the test asks: asked again
// until the window is in front.
void PutInFront(HWND window) {
    PumpUntil(
        [&] {
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        },
        "another window in front");
}

// The window in front, for a failure: which program's, and whether shown.
std::string InFront(HWND expected) {
    HWND front = GetForegroundWindow();
    if (front == nullptr)
        return "no window in front";
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    DWORD expectedProcess = 0;
    GetWindowThreadProcessId(expected, &expectedProcess);
    return "in front: \"" + e2e::TextOf(front) + "\" (" + e2e::ClassOf(front) +
           (IsWindowVisible(front) ? ", shown" : ", hidden") +
           (process == expectedProcess ? ", the first copy's" : ", another program's") + ")";
}

// A top-level window of this thread, to stand in front of the panel.
class OwnWindow {
  public:
    explicit OwnWindow(const std::string& title)
        : window_(CreateWindowA("STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                200, 100, nullptr, nullptr, nullptr, nullptr)) {}
    ~OwnWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

  private:
    HWND window_;
};

TEST_F(ControlPanelStart, ASecondCopyBringsTheFirstToTheFrontAndEndsWithoutMessage) {
    HWND first = StartPanel();
    ASSERT_TRUE(first);
    OwnWindow other("another program");
    PutInFront(other.get());

    Copy second;
    EXPECT_TRUE(second.EndsQuietly());
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == first; },
                          "the first copy's window in front"));
    EXPECT_TRUE(Panel().IsRunning()) << "the first copy goes on";
    EXPECT_TRUE(IsWindowVisible(first));
}

// Every copy that starts owns a hidden window with the same title while it
// checks; those must not be taken for the running copy.
TEST_F(ControlPanelStart, CopiesStartedTogetherBringTheFirstToTheFront) {
    HWND first = StartPanel();
    ASSERT_TRUE(first);
    OwnWindow other("another program");
    for (int trial = 1; trial <= 3; ++trial) {
        PutInFront(other.get());
        std::vector<std::unique_ptr<Copy>> copies;
        for (int i = 0; i < 4; ++i)
            copies.push_back(std::make_unique<Copy>());
        for (auto& copy : copies)
            EXPECT_TRUE(copy->EndsQuietly()) << "trial " << trial;
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == first; },
                              "the first copy's window in front"))
            << "trial " << trial << ", " << InFront(first);
    }
}

TEST_F(ControlPanelStart, AForeignWindowWithTheSameTitleIsTakenForTheRunningCopy) {
    HWND first = StartPanel();
    ASSERT_TRUE(first);
    // Created last, it is the first window with that title in the list.
    OwnWindow foreign(basVersion::ControlPanelTitle);
    SetForegroundWindow(first);
    PumpUntil([&] { return GetForegroundWindow() == first; }, "the panel in front");
    SetWindowPos(foreign.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    Copy second;
    EXPECT_TRUE(second.EndsQuietly());
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == foreign.get(); },
                          "the foreign window in front"));
    EXPECT_TRUE(Panel().IsRunning());
}

TEST_F(ControlPanelStart, WithoutTheInstallationIdentityItReportsAndEnds) {
    e2e::ClearSettingsKey();
    ExpectStartFailure("Fail to load data from Register File!");
}

TEST_F(ControlPanelStart, WithoutTheDriverItReportsAndEnds) {
    StopDriver();
    ExpectStartFailure(std::string("Fail to open ") + basVersion::DriverFile + "!");
}

TEST_F(ControlPanelStart, WithoutAControllerItReportsAndEndsAfterOneRead) {
    ASSERT_TRUE(Sim().SetPresent(false));
    ExpectStartFailure("TouchScreen Controller Not Found!");
    EXPECT_EQ(1u, Sim().JournalTotal()) << "nothing but the one record read";
    EXPECT_EQ(1u, e2e::RequestCount(Sim(), IOCTL_GetDeviceRecord));
}

} // namespace
} // namespace cptest
