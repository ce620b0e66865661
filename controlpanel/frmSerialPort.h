// The serial port information window: what the driver found on COM1..COM9,
// with the port of the touchscreen controller marked, and the way to the
// IRQ set-up of COM1..COM4.
#pragma once

#include "PageChrome.h"
#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/OptionButton.h"

class frmSerialPort : public forms::Form {
  public:
    frmSerialPort();

    forms::Frame Frame1{*this, "Frame1"};
    forms::ControlArray<forms::OptionButton> optDetected{Frame1, "optDetected", 1, 9};
    forms::ControlArray<forms::Label> lblCOM{Frame1, "lblCOM", 1, 9};
    forms::CommandButton cmdSetup{*this, "cmdSetup"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    PageChrome chrome{*this};

  private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void cmdSetup_Click();
    void cmdOK_Click();
};

frmSerialPort& frmSerialPortForm();
