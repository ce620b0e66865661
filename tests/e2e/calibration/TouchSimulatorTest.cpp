// The touch simulator makes the mouse the finger: mouse input on the screen
// calibrates a panel mounted with X inverted, through the real control panel.
#include "CalibrationGeometry.h"
#include "CalibrationPoints.h"
#include "CalibrationScenario.h"
#include "basVersion.h"

namespace calibscenario {
namespace {

// The simulator samples the button once a period.
constexpr int PeriodMs = 15;

void SendButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}

class TouchSimulatorRun : public CalibrationScenario {
  protected:
    bool StartSimulator(const std::string& arguments) {
        const std::string path = e2e::ToWindowsPath(e2e::DeliverDirUnix() + "/../tools") + "\\" +
                                 "TouchSimulator_" + basVersion::BuildLetter + ".exe";
        simulator_ = std::make_unique<e2e::Program>();
        return simulator_->StartPath(path, SW_HIDE, arguments);
    }
    // Presses the left button at a screen point until `accepted` holds, then releases.
    bool Touch(POINT at, const std::function<bool()>& accepted, const std::string& what) {
        SetCursorPos(at.x, at.y);
        SendButton(MOUSEEVENTF_LEFTDOWN);
        const bool taken = e2e::WaitUntil(accepted, what);
        SendButton(MOUSEEVENTF_LEFTUP);
        return taken;
    }
    // One touch-status read, as a polling program makes it; the sample it took.
    TouchStatus Poll() {
        TouchStatus status{};
        EXPECT_TRUE(Sim().Raw(IOCTL_GetTouchStatus, &status, sizeof status, &status, sizeof status,
                              nullptr));
        return status;
    }
    uint32_t Queued() { return e2e::ReadState(Sim()).QueuedSamples; }
    size_t PointsAccepted() {
        const std::vector<int32_t> modes = ModesSent();
        return static_cast<size_t>(std::count(modes.begin(), modes.end(), 5));
    }
    void TearDown() override {
        SendButton(MOUSEEVENTF_LEFTUP);
        simulator_.reset();
        CalibrationScenario::TearDown();
    }

  private:
    std::unique_ptr<e2e::Program> simulator_;
};

TEST_F(TouchSimulatorRun, MouseCalibratesAnInvertedPanel) {
    Preset([](DeviceRecord& record) { record.RightButtonFunction = 0; });
    // The simulator gives the driver its rotation code once it runs.
    ASSERT_TRUE(Sim().SetSmiWindow(-1, 2));
    ASSERT_TRUE(StartSimulator("--mounting 1 --rotation 0 --offset 40,40 --span 944,944 --period " +
                               std::to_string(PeriodMs)));
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ReadState(Sim()).Smi.Value == 0; },
                               "the simulator to start"));

    // Nobody polls the touch status yet: a press held for some periods
    // leaves nothing behind. Other programs read the button as down only once
    // the press has been delivered, here to a window of this test's own.
    HWND pad = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 450, 350, 100, 100,
                             nullptr, nullptr, nullptr, nullptr);
    SetCursorPos(500, 400);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(e2e::WaitUntil(
        [] {
            MSG message;
            bool delivered = false;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                delivered = delivered || message.message == WM_LBUTTONDOWN;
                DispatchMessageA(&message);
            }
            return delivered;
        },
        "the press delivered"));
    Sleep(10 * PeriodMs);
    EXPECT_EQ(0u, Queued()) << "no touch fed without a calibration";
    // The marker that the simulator was reading the held button all along:
    // one poll, and it feeds the press; then it lifts it once released.
    Poll();
    EXPECT_TRUE(e2e::WaitUntil([&] { return Queued() > 0; }, "the polled press fed"));
    SendButton(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !(Poll().Flags & TouchedFlag); }, "the lift fed"));
    DestroyWindow(pad);
    ASSERT_EQ(0u, Queued()) << "nothing left for the calibration";
    const uint32_t journalStart = Sim().JournalTotal();

    ASSERT_TRUE(StartPanel(0));
    HWND calibration = OpenCalibration();
    ASSERT_TRUE(calibration);
    HWND surface = e2e::WaitForControl(calibration, "picCalibration");
    ASSERT_TRUE(surface);
    // Laid out once the run polls the panel.
    ASSERT_TRUE(e2e::WaitForRequests(Sim(), IOCTL_GetTouchStatus, journalStart, 2));
    const RECT screen = e2e::ClientRectOnScreen(surface);
    const auto geometry =
        Calibration::GeometryForSize(screen.right - screen.left, screen.bottom - screen.top);
    HWND prompt = e2e::WaitForControl(calibration, "lblMesg2");
    ASSERT_TRUE(prompt);
    for (int point = 1; point <= 4; point++) {
        const std::string asked = "show on the " + Calibration::PointName(point) + " of the screen";
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(prompt) == asked; }, asked));
        const auto mark = Calibration::CrossMarkOf(geometry, point);
        const POINT at{screen.left + mark.LineX, screen.top + mark.LineY};
        ASSERT_TRUE(Touch(
            at, [&] { return PointsAccepted() == static_cast<size_t>(point); },
            "point " + std::to_string(point) + " accepted"));
    }
    const e2e::MessageBoxInfo box = e2e::WaitForMessageBox(PanelId());
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDYES));
    EXPECT_TRUE(e2e::WaitForGone(calibration));

    const auto sent = CalibrationsSent();
    ASSERT_EQ(1u, sent.size());
    // The panel reads 40 at the left and top edge and 984 at the right and
    // bottom edge; the calibration finds them within a raw unit or two.
    const int edges[6] = {40, 512, 984, 40, 512, 984};
    for (int i = 0; i < 6; i++)
        EXPECT_NEAR(edges[i], sent[0][i], 2) << "value " << i;
    EXPECT_EQ(1, sent[0][6]) << "X inverted";
}

} // namespace
} // namespace calibscenario
