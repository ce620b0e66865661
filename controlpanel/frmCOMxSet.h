// The COM port configuration dialog: the base address (shown only) and the
// IRQ (chosen from a list) of COM1..COM4, with Save, OK and Cancel.
#pragma once

#include "SettingsPage.h"
#include "forms/ComboBox.h"
#include "forms/ControlArray.h"
#include "forms/Image.h"
#include "forms/Label.h"

class frmCOMxSet : public SettingsPage {
  public:
    frmCOMxSet();

    forms::Image imgCaution{*this, "imgCaution"};
    forms::Label lblCaution{*this, "lblCaution"};
    forms::Label lblNote{*this, "lblNote"};
    forms::Label lblPortName{*this, "lblPortName"};
    forms::Label lblIRQ{*this, "lblIRQ"};
    forms::ControlArray<forms::Label> lblCOM{*this, "lblCOM", 1, 4};
    forms::ControlArray<forms::ComboBox> cboPort{*this, "cboPort", 1, 4};
    forms::ControlArray<forms::ComboBox> cboIRQ{*this, "cboIRQ", 1, 4};

  private:
    void LoadWorkingCopy() override;
    bool WorkingCopyDiffers() const override;
    void StoreWorkingCopy() override;
    bool OfferApplyOnLoad() const override;
    void cboIRQ_Click(int index);
};

frmCOMxSet& frmCOMxSetForm();
