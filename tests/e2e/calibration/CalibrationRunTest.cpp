// The calibration opened from the control panel's main window, with the
// right-button tool running beside it.
#include "CalibrationScenario.h"

namespace calibscenario {
namespace {

const char* const CompletionTitle = "TouchScreen Calibration";
using SentCalibrations = std::vector<std::array<int16_t, 7>>; // six values and the direction
const SentCalibrations CornersResult{{87, 500, 913, 66, 390, 714, 0}};

Samples Corners() {
    return TouchAndLift(100, 80) + TouchAndLift(900, 80) + TouchAndLift(900, 700) +
           TouchAndLift(100, 700);
}

using CalibrationRun = CalibrationScenario;

TEST_F(CalibrationRun, ToolHiddenWhileCalibratingAndNewValuesKept) {
    Preset([](DeviceRecord& record) {
        record.RightButtonFunction = 1;
        record.VirtualButton = 1; // Stream: the tool is hidden, not switched
        record.RightButtonAutoMode = 1;
    });
    ASSERT_TRUE(StartTool());
    ASSERT_TRUE(e2e::WaitForVisible(ToolWindow(), true));
    ASSERT_TRUE(StartPanel(0));
    ASSERT_TRUE(Sim().QueueTouch(NoTouchAtStart() + Corners()));
    HWND calibration = OpenCalibration();
    ASSERT_TRUE(calibration);

    const e2e::MessageBoxInfo box = e2e::WaitForMessageBox(PanelId());
    EXPECT_EQ(CompletionTitle, box.title);
    EXPECT_TRUE(box.hasYes && box.hasNo);
    EXPECT_FALSE(IsWindowVisible(ToolWindow())) << "the tool is hidden while calibrating";
    EXPECT_FALSE(IsWindowVisible(MainWindow()));
    EXPECT_EQ(CornersResult, CalibrationsSent()) << "applied before the question";
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDYES));

    EXPECT_TRUE(e2e::WaitForGone(calibration));
    EXPECT_TRUE(e2e::WaitForVisible(ToolWindow(), true)) << "the tool is back";
    EXPECT_TRUE(e2e::WaitForVisible(MainWindow(), true)) << "the main window is back";
    EXPECT_EQ(CornersResult, CalibrationsSent());
    EXPECT_EQ((std::vector<int32_t>{5, 5, 5, 5, 0}), ModesSent());
    EXPECT_TRUE(AutoModesSent().empty());
    EXPECT_EQ(913, DriverRecord().Calibration[2]);
}

TEST_F(CalibrationRun, EscAndYesWithAutomaticModeSwitchedOffAndBack) {
    Preset([](DeviceRecord& record) {
        record.RightButtonFunction = 1;
        record.VirtualButton = 4; // Drag Drop with automatic mode: switched off, not hidden
        record.RightButtonAutoMode = 1;
    });
    ASSERT_TRUE(StartTool());
    ASSERT_TRUE(StartPanel(0));
    const DeviceRecord before = DriverRecord();
    HWND calibration = OpenCalibration();
    ASSERT_TRUE(calibration);
    HWND surface = e2e::WaitForControl(calibration, "picCalibration");
    ASSERT_TRUE(surface);
    // The first point is awaited once the touch status is being polled.
    ASSERT_TRUE(e2e::WaitForRequests(Sim(), IOCTL_GetTouchStatus, 0, 3));
    EXPECT_EQ(0, DriverRecord().RightButtonAutoMode) << "automatic mode off while calibrating";
    EXPECT_TRUE(IsWindowVisible(ToolWindow()));

    e2e::PressKey(surface, VK_ESCAPE);
    const e2e::MessageBoxInfo box = e2e::WaitForMessageBox(PanelId());
    EXPECT_EQ("Are you sure you want to break calibration?", box.text);
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDYES));

    EXPECT_TRUE(e2e::WaitForGone(calibration));
    EXPECT_TRUE(e2e::WaitForVisible(MainWindow(), true));
    EXPECT_EQ((std::vector<int32_t>{0, 4}), ModesSent());
    EXPECT_TRUE(CalibrationsSent().empty());
    EXPECT_EQ((std::vector<int>{0, 1}), AutoModesSent());
    const DeviceRecord after = DriverRecord();
    EXPECT_EQ(1, after.RightButtonAutoMode);
    EXPECT_TRUE(std::equal(before.Calibration, before.Calibration + 6, after.Calibration))
        << "the old calibration stays";
    EXPECT_TRUE(IsWindowVisible(ToolWindow()));
}

} // namespace
} // namespace calibscenario
