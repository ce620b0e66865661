// The calibration window: full screen, it shows the cross marks of the chosen
// procedure one after another, takes the raw controller position of a touch
// on each, hands the computed calibration to the driver at once and lets the
// user keep it or go back to the old one. It runs when it is activated and
// unloads itself when the run is over.
#pragma once

#include <cstdint>
#include <string>

#include "CalibrationGeometry.h"
#include "CalibrationMath.h"
#include "CalibrationRun.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"

class frmCalibration : public forms::Form {
  public:
    frmCalibration();

    // The drawing surface, first so that it has the focus for the ESC key.
    forms::PictureBox picCalibration{*this, "picCalibration"};
    forms::Label lblTitle{picCalibration, "lblTitle"};
    forms::PictureBox picHome{picCalibration, "picHome"};
    forms::PictureBox picStat{picHome, "picStat"};
    forms::Label lblResolution{picStat, "lblResolution"};
    forms::PictureBox picMesg{picHome, "picMesg"};
    forms::Label lblMesg3{picMesg, "lblMesg3"};
    forms::Label lblMesg1{picMesg, "lblMesg1"};
    forms::Label lblMesg2{picMesg, "lblMesg2"};
    forms::Label lblHelp{picHome, "lblHelp"};

  private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_Unload(bool& cancel) override;
    void picCalibration_KeyPress(int& keyAscii);

    void DesignControls();

    void RunCalibration();
    // A finger on the panel when the run starts has to go first. False when
    // the window was closed meanwhile.
    bool AwaitLiftOffAtStart();
    // The two procedures, mode 1 (corners) and mode 2 (edge midpoints): each
    // returns 1 when broken off or when the direction check failed.
    int CalibrateCorners();
    int CalibrateEdges();
    int Calibrate(Calibration::Procedure procedure);
    // Returns broken: 1 when the user broke the calibration off (or closed
    // the window) while the point was awaited.
    int AcquirePoint(Calibration::CalibrationRun& run, int point, const std::string& name);
    // Records the accepted point and waits for the finger to go; broken as above.
    int AcceptPoint(Calibration::CalibrationRun& run, int point);
    void ApplyNewCalibration();
    void RestoreOldCalibration();
    void AskToKeepNewCalibration();

    void DrawCrossMark(int point, bool highlighted);
    void ShowTouchPrompt(const std::string& name);
    void ShowLiftPrompt(const std::string& text);
    void SetTouchIndicator(bool on);
    void SendControllerMode(int32_t mode);
    // Waits for events for one poll period and dispatches them; false once
    // the window has been closed. The point and lift-off waits call it
    // between two driver polls.
    bool ProcessEvents();

    Calibration::CalibrationGeometry Geometry{};
    int CurrentPoint = 0;
    bool BreakRequested = false;
    bool Running = false; // a window activated again during its run must not start another
    Calibration::CalibrationValues OldCalibration{};
    uint8_t OldDirection = 0;
    Calibration::CalibrationValues NewCalibration{};
    uint8_t NewDirection = 0;
    uint8_t SavedAutoMode = 0;
};

frmCalibration& frmCalibrationForm();
