// The touch sensitivity page: one bar from "Light" to "Heavy" and a box to
// try a touch with the sensitivity the driver uses now.
#pragma once

#include "SettingsPage.h"
#include "forms/ControlArray.h"
#include "forms/Frame.h"
#include "forms/HScrollBar.h"
#include "forms/Label.h"

class frmSensitivity : public SettingsPage {
  public:
    frmSensitivity();

    forms::Frame frameSensitivity{*this, "frameSensitivity"};
    forms::HScrollBar hscSensitivity{frameSensitivity, "hscSensitivity"};
    forms::Label lblSV{frameSensitivity, "lblSV"};
    forms::Label lblScaleLow{frameSensitivity, "lblScaleLow"};
    forms::Label lblScaleMiddle{frameSensitivity, "lblScaleMiddle"};
    forms::Label lblScaleHigh{frameSensitivity, "lblScaleHigh"};
    forms::Label lblLight{frameSensitivity, "lblLight"};
    forms::Label lblHeavy{frameSensitivity, "lblHeavy"};
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
