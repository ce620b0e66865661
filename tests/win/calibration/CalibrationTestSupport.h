// In-process calibration runs against the simulated controller: scripted
// touch samples, answered message boxes, steps that act while the window's
// poll loops run (a thread timer, dispatched by their DoEvents), and what the
// driver's journal says was sent.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "SimClient.h"

namespace calibtest {

using sim::NoTouchAtStart;
using sim::Samples;
using sim::TouchAndLift;
using sim::operator+;

// A calibration as the driver received it.
struct SentCalibration {
    std::array<int16_t, 6> Values;
    int PanelDirection;
    bool operator==(const SentCalibration& other) const {
        return Values == other.Values && PanelDirection == other.PanelDirection;
    }
};
std::ostream& operator<<(std::ostream& out, const SentCalibration& sent);

// The mouse pointer's display count now (negative: hidden), left as it was.
int CursorDisplayCount();

struct Box {
    std::string Text;
    unsigned Style;
    std::string Title;
};

// Answers every box through `answer` (text, title -> button) while it lives.
class ScriptedBoxes {
  public:
    using Answer = std::function<int(const std::string& text, const std::string& title)>;
    explicit ScriptedBoxes(Answer answer);
    ~ScriptedBoxes();
    const std::vector<Box>& Boxes() const { return boxes_; }

  private:
    std::vector<Box> boxes_;
};

// Steps run in order from a thread timer: each waits for its condition and
// then acts. When they do not all run within the time limit, the window is
// closed so that a waiting run ends, and the test fails.
class Steps {
  public:
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;
    Steps();
    ~Steps();
    void Then(Condition condition, Action action);
    bool AllDone() const { return next_ == steps_.size(); }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::vector<std::pair<Condition, Action>> steps_;
    size_t next_ = 0;
    DWORD started_;
    UINT_PTR timer_;
};

class CalibrationWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Changes the controller's record (from the driver's default with the
    // screen size above) before the control panel reads it.
    void Preset(const std::function<void(DeviceRecord&)>& change);
    void Queue(const Samples& samples);
    // Shows the calibration window; returns once it has unloaded itself.
    void RunCalibration(int calibrationMode);

    // Journal, from the start of the test.
    std::vector<int32_t> ModesSent();
    std::vector<SentCalibration> CalibrationsSent();
    DeviceRecord DriverRecord();
    // Posts the ESC character to the drawing surface.
    void PressEsc();
    // Condition: the controller has received `count` SetControllerMode(mode).
    Steps::Condition ModeSentTimes(int32_t mode, size_t count);

    sim::Client Sim;
};

// The screen size every test starts with.
constexpr int16_t ResolutionX = 1024;
constexpr int16_t ResolutionY = 768;

// The corner procedure, and the answer that saves a calibration.
constexpr int CornersMode = 0;
constexpr int Yes = IDYES;
// What the corner procedure sends for the touches of LastThreeCorners()
// after a first one at (100, 80).
const SentCalibration CornersResult{{87, 500, 913, 66, 390, 714}, 0};
inline Samples LastThreeCorners() {
    return TouchAndLift(900, 80) + TouchAndLift(900, 700) + TouchAndLift(100, 700);
}

} // namespace calibtest
