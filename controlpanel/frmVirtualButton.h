// The virtual button page: how a touch becomes mouse-button activity, and
// the right-button function, either through the on-screen right-button
// tool or, in drag-and-drop mode, automatic with toggle times and a beep.
#pragma once

#include <cstdint>

#include "SettingsPage.h"
#include "forms/ComboBox.h"
#include "forms/ControlArray.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/OptionButton.h"

class frmVirtualButton : public SettingsPage {
  public:
    frmVirtualButton();

    forms::Frame frameVirtualButton{*this, "frameVirtualButton"};
    forms::ControlArray<forms::OptionButton> optVirtualButton{frameVirtualButton,
                                                              "optVirtualButton", 1, 4};
    forms::Frame frameRBFunction{*this, "frameRBFunction"};
    forms::ControlArray<forms::OptionButton> optRBFunction{frameRBFunction, "optRBFunction", 0, 1};
    forms::ComboBox cboRBAutoMode{frameRBFunction, "cboRBAutoMode"};
    forms::Frame frameRBAuto{*this, "frameRBAuto"};
    forms::Label lblRBAutoSTime{frameRBAuto, "lblRBAutoSTime"};
    forms::ComboBox cboRBAutoSTime{frameRBAuto, "cboRBAutoSTime"};
    forms::Label lblRBAutoSTimeSec{frameRBAuto, "lblRBAutoSTimeSec"};
    forms::Label lblRBAutoETime{frameRBAuto, "lblRBAutoETime"};
    forms::ComboBox cboRBAutoETime{frameRBAuto, "cboRBAutoETime"};
    forms::Label lblRBAutoETimeSec{frameRBAuto, "lblRBAutoETimeSec"};
    forms::Label lblRBAutoBeep{frameRBAuto, "lblRBAutoBeep"};
    forms::ComboBox cboRBAutoBeep{frameRBAuto, "cboRBAutoBeep"};

  private:
    // The working copy: the mode and the five bytes of the right-button group.
    struct Working {
        uint8_t mode;
        uint8_t function;
        uint8_t autoMode;
        uint8_t onTime;
        uint8_t offTime;
        uint8_t beep;
    };

    void LoadWorkingCopy() override;
    bool WorkingCopyDiffers() const override;
    void StoreWorkingCopy() override;
    void AfterApply() override;
    void optVirtualButton_Click(int index);
    void optRBFunction_Click(int index);
    void cboRBAutoMode_Click();
    void cboRBAutoSTime_Click();
    void cboRBAutoETime_Click();
    void cboRBAutoBeep_Click();
    // Which of the automatic-mode controls can be used for the working copy.
    void ApplyEnablingRule();
    static bool TakeChoice(const forms::ComboBox& list, uint8_t& field);

    Working working_{};
};

frmVirtualButton& frmVirtualButtonForm();
