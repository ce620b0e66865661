// The control panel and the right-button tool run as programs; the
// calibration is opened from the main window and fed by scripted samples.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "E2e.h"

namespace calibscenario {

using sim::NoTouchAtStart;
using sim::Samples;
using sim::TouchAndLift;
using sim::operator+;

class CalibrationScenario : public e2e::Scenario {
  protected:
    // Changes the driver's record (from its default on a 1024 x 768 screen)
    // before the control panel reads it.
    void Preset(const std::function<void(DeviceRecord&)>& change);
    // Starts the right-button tool and waits for its registration.
    HWND StartTool();
    // Starts the control panel with the calibration mode in the settings and
    // waits for its main window.
    HWND StartPanel(DWORD calibrationMode);
    // Clicks Calibration and waits for the calibration window.
    HWND OpenCalibration();

    DWORD PanelId() const { return panel_ ? panel_->Id() : 0; }
    HWND MainWindow() const { return main_; }
    HWND ToolWindow() const { return tool_; }

    std::vector<int32_t> ModesSent();
    std::vector<std::array<int16_t, 7>> CalibrationsSent(); // six values and the direction
    std::vector<int> AutoModesSent(); // RightButtonAutoMode of each SetVirtualButton
    DeviceRecord DriverRecord();

  private:
    e2e::Program* panel_ = nullptr;
    HWND main_ = nullptr;
    HWND tool_ = nullptr;
};

} // namespace calibscenario
