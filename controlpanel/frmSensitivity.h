// The touch sensitivity page: one bar from "Light" to "Heavy" and a box to
// try a touch with the sensitivity the driver uses now.
#pragma once

#include "ScaleBar.h"
#include "SettingsPage.h"
#include "forms/ControlArray.h"
#include "forms/Frame.h"
#include "forms/HScrollBar.h"
#include "forms/Label.h"

class frmSensitivity : public SettingsPage {
  public:
    frmSensitivity();

    forms::Frame frameSensitivity{*this, "frameSensitivity"};
    ScaleBar scale{frameSensitivity,
                   "hscSensitivity",
                   "lblSV",
                   {"lblScaleLow", "lblScaleMiddle", "lblScaleHigh"},
                   {"lblLight", "lblHeavy"}};
    forms::HScrollBar& hscSensitivity = scale.bar;
    forms::Label& lblSV = scale.value;
    // Element 0 is the box, element 1 its caption.
    forms::ControlArray<forms::Label> lblTestBox{frameSensitivity, "lblTestBox", 0, 1};

  private:
    void LoadWorkingCopy() override;
    bool WorkingCopyDiffers() const override;
    void StoreWorkingCopy() override;
    void hscSensitivity_Change();
    void lblTestBox_MouseDown(int index);
    void lblTestBox_MouseUp(int index);
};

frmSensitivity& frmSensitivityForm();
