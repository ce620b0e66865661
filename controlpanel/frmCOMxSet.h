// The COM port configuration dialog: the base address (shown only) and the
// IRQ (chosen from a list) of COM1..COM4, with Save, OK and Cancel.
#pragma once

#include "PageChrome.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"

class frmCOMxSet : public forms::Form {
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
    forms::CommandButton cmdSave{*this, "cmdSave"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};
    PageChrome chrome{*this};

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cboIRQ_Click(int index);
    void cmdSave_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Save; false when the driver refused the record.
    bool Save();
};

frmCOMxSet& frmCOMxSetForm();
