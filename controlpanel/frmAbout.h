// The version line and the maker's copyright.
#pragma once

#include "PageChrome.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"

class frmAbout : public forms::Form {
  public:
    frmAbout();

    forms::Label lblCopyright{*this, "lblCopyright"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    PageChrome chrome{*this};

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdOK_Click();
};

frmAbout& frmAboutForm();
