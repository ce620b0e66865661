// The reseller's support picture, with the window sized around it.
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/PictureBox.h"

class frmSupport : public forms::Form {
  public:
    frmSupport();

    forms::PictureBox picSupport{*this, "picSupport"};
    forms::CommandButton cmdOK{*this, "cmdOK"};

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdOK_Click();
    // Margins around the picture as designed around the picture box.
    void FitAroundPicture();
};

frmSupport& frmSupportForm();
