// The removal program's confirmation window: what removal means, the
// question, Yes and No. Its load runs the program's start-up checks; Yes
// starts the removal, No ends the program without any change.
#pragma once

#include "WindowHead.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Shape.h"

class frmMain : public forms::Form {
  public:
    frmMain();

    // Yes and No first, so that Yes has the focus and No follows it.
    forms::CommandButton cmdYes{*this, "cmdYes"};
    forms::CommandButton cmdNo{*this, "cmdNo"};
    forms::Shape shpRemoval{*this, "shpRemoval"};
    forms::Image imgRemoval{*this, "imgRemoval"};
    forms::Label lblWarning{*this, "lblWarning"};
    forms::Label lblAsk{*this, "lblAsk"};
    WindowHead head{*this};

  private:
    void Form_Load() override;
    void cmdYes_Click();
    void cmdNo_Click();
    void imgIcon_DblClick();

    bool removing_ = false;

    bool LoadSettings();
    // Load steps 5 to 8: the width for the caption, the frame and buttons
    // centred, and the etched line above the buttons.
    void Arrange();
};

frmMain& frmMainForm();
