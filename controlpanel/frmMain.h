// The control panel's main window: one row per settings group (a button and
// a framed one-line summary), the calibration choice, Support and Exit. It
// runs the program's start-up checks when it loads and opens every other
// window of the program, hiding itself while that window is up.
#pragma once

#include "PageChrome.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Shape.h"

class frmMain : public forms::Form {
  public:
    frmMain();

    // Rows, top to bottom: button, frame, summary. Declared first, so that
    // they come first in the tab order.
    forms::CommandButton cmdSerialPort{*this, "cmdSerialPort"};
    forms::Shape shpSerialPort{*this, "shpSerialPort"};
    forms::Label lblSerialPort{*this, "lblSerialPort"};
    forms::CommandButton cmdVirtualButton{*this, "cmdVirtualButton"};
    forms::Shape shpVirtualButton{*this, "shpVirtualButton"};
    forms::Label lblVirtualButton{*this, "lblVirtualButton"};
    forms::CommandButton cmdFeedbackSound{*this, "cmdFeedbackSound"};
    forms::Shape shpFeedbackSound{*this, "shpFeedbackSound"};
    forms::Label lblFeedbackSound{*this, "lblFeedbackSound"};
    forms::CommandButton cmdMouseSpeed{*this, "cmdMouseSpeed"};
    forms::Shape shpMouseSpeed{*this, "shpMouseSpeed"};
    forms::Label lblMouseSpeed{*this, "lblMouseSpeed"};
    forms::CommandButton cmdSleepTime{*this, "cmdSleepTime"};
    forms::Shape shpSleepTime{*this, "shpSleepTime"};
    forms::Label lblSleepTime{*this, "lblSleepTime"};
    forms::CommandButton cmdCalibration{*this, "cmdCalibration"};
    forms::Shape shpCalibration{*this, "shpCalibration"};
    forms::ComboBox cboCalibration{*this, "cboCalibration"};
    forms::CommandButton cmdSupport{*this, "cmdSupport"};
    forms::CommandButton cmdExit{*this, "cmdExit"};

    // Never shown: the sensitivity row, the test and SMI buttons.
    forms::CommandButton cmdSensivitity{*this, "cmdSensivitity"};
    forms::Shape shpSensitivity{*this, "shpSensitivity"};
    forms::Label lblSensitivity{*this, "lblSensitivity"};
    forms::CommandButton cmdTest{*this, "cmdTest"};
    forms::CommandButton cmdSMIon{*this, "cmdSMIon"};
    forms::CommandButton cmdSMIoff{*this, "cmdSMIoff"};

    // PS/2 build only: stands where the serial port button is.
    forms::Shape shpDetection{*this, "shpDetection"};
    forms::Label lblDetection{*this, "lblDetection"};

    // Branding: the logo box holds the OEM title and the version line.
    PageChrome chrome{*this};

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;

    void cmdSerialPort_Click();
    void cmdVirtualButton_Click();
    void cmdFeedbackSound_Click();
    void cmdMouseSpeed_Click();
    void cmdSleepTime_Click();
    void cmdSensivitity_Click();
    void cmdCalibration_Click();
    void cmdTest_Click();
    void cmdSupport_Click();
    void imgIcon_DblClick();
    void cmdExit_Click();
    void cmdExit_MouseDown(int button, int shift, int x, int y);
    void cmdSerialPort_MouseDown(int button, int shift, int x, int y);
    void cboCalibration_Click();
    void cmdSMIon_Click();
    void cmdSMIoff_Click();

    void DesignHead();
    void DesignRows();
    void DesignHiddenControls();
    void LayOutBuild();
    void WireEvents();
    void LendHeadToAbout();
    void RegisterSummaries();

    // Start-up steps; those returning false have ended the program.
    void ShowHead();
    void ApplySupportFiles();
    bool OpenController();
    void FillSummaries();
    void FillCalibrationList();

    // Hourglass; the page shown modeless, then this window hidden.
    void ShowPage(forms::Form& page);
    // Hourglass; this window hidden, then the window shown.
    void HideAndShow(forms::Form& window);
    // This window hidden while the opened one is up, shown otherwise.
    void KeepOneWindowUp(forms::Form& opened);
};

frmMain& frmMainForm();
