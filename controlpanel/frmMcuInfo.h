// The controller's firmware identification, from the device record read at
// start.
#pragma once

#include "PageChrome.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"

class frmMcuInfo : public forms::Form {
  public:
    frmMcuInfo();

    forms::Label lblMcuInfo{*this, "lblMcuInfo"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    PageChrome chrome{*this};

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdOK_Click();
};

frmMcuInfo& frmMcuInfoForm();
