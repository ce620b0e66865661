// The mouse speed page: horizontal and vertical pointer speed, the
// acceleration curve, and the bypass mode that switches them all off.
#pragma once

#include <cstdint>

#include "ScaleBar.h"
#include "SettingsPage.h"
#include "forms/CheckBox.h"
#include "forms/ControlArray.h"
#include "forms/Frame.h"
#include "forms/HScrollBar.h"
#include "forms/Label.h"
#include "forms/OptionButton.h"

class frmMouseSpeed : public SettingsPage {
  public:
    frmMouseSpeed();

    forms::Frame frameAdjust{*this, "frameAdjust"};
    forms::CheckBox chkBoth{frameAdjust, "chkBoth"};
    forms::Frame frameHS{*this, "frameHS"};
    ScaleBar scaleHS{frameHS, "hscMouseHSpeed", "lblHS", {}, {"lblHSlow", "lblHFast"}};
    forms::HScrollBar& hscMouseHSpeed = scaleHS.bar;
    forms::Label& lblHS = scaleHS.value;
    forms::Frame frameVS{*this, "frameVS"};
    ScaleBar scaleVS{frameVS, "hscMouseVSpeed", "lblVS", {}, {"lblVSlow", "lblVFast"}};
    forms::HScrollBar& hscMouseVSpeed = scaleVS.bar;
    forms::Label& lblVS = scaleVS.value;
    forms::Frame frameBypass{*this, "frameBypass"};
    forms::CheckBox chkBypass{frameBypass, "chkBypass"};
    forms::Frame frameAC{*this, "frameAC"};
    forms::ControlArray<forms::OptionButton> optAcceleration{frameAC, "optAcceleration", 1, 4};

  private:
    void LoadWorkingCopy() override;
    bool WorkingCopyDiffers() const override;
    void StoreWorkingCopy() override;
    void chkBoth_Click();
    void chkBypass_Click();
    void hscMouseHSpeed_Change();
    void hscMouseVSpeed_Change();
    void optAcceleration_Click(int index);
    // The bar moved: its percent label, and the other bar while linked.
    void SpeedMoved(forms::HScrollBar& moved, forms::Label& percent, forms::HScrollBar& other);
    // Speed, link and acceleration controls usable exactly without bypass.
    void ApplyBypassRule();

    uint8_t workingAcceleration_ = 1;
    bool linkActive_ = false;
};

frmMouseSpeed& frmMouseSpeedForm();
