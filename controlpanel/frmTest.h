// The draw test: a full-screen white area on which touches (arriving as
// ordinary mouse input) draw, with a choice of pen width and colour, a Clear
// button and a display of the mouse button the driver reports. The touch
// mode is Drag Drop while the test is up, so that a touch draws a line.
#pragma once

#include <cstdint>

#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"

class frmTest : public forms::Form {
  public:
    frmTest();

    forms::PictureBox picHead{*this, "picHead"};
    forms::Image imgIcon{picHead, "imgIcon"};
    forms::Label lblTitle{picHead, "lblTitle"};
    forms::CommandButton cmdClear{picHead, "cmdClear"};
    forms::CommandButton cmdExit{picHead, "cmdExit"};

    forms::PictureBox picHome{*this, "picHome"};

    forms::PictureBox picMesg{*this, "picMesg"};
    forms::Label lblHelpBox{picMesg, "lblHelpBox"};
    forms::Label lblHelp{picMesg, "lblHelp"};
    forms::Label lblWidthName{picMesg, "lblWidthName"};
    forms::ControlArray<forms::Label> lblWidth{picMesg, "lblWidth", 0, 3};
    forms::Label lblColorName{picMesg, "lblColorName"};
    forms::ControlArray<forms::Label> lblColor{picMesg, "lblColor", 0, 4};
    forms::Label lblButtonName{picMesg, "lblButtonName"};
    forms::ControlArray<forms::Label> lblButton{picMesg, "lblButton", 0, 2};

  private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void picHead_Resize();
    void picMesg_Resize();
    void lblWidth_Click(int index);
    void lblColor_Click(int index);
    void picHome_MouseDown(int button, int shift, int x, int y);
    void picHome_MouseMove(int button, int shift, int x, int y);
    void picHome_MouseUp(int button, int shift, int x, int y);
    void cmdClear_Click();
    void cmdExit_Click();

    void DesignHead();
    void DesignToolBar();
    void WireEvents();

    void SelectWidth(int index);
    void SelectColor(int index);
    // lblButton index shown for a mouse button, -1 for any other value.
    static int ButtonLabelOf(int button);

    int16_t Drawing = 0; // between a button-down and the next button-up on picHome
    int16_t WidthIndex = 0;
    int16_t ColorIndex = 0;
    uint8_t SavedTouchMode = 0;     // VirtualButton when the test began
    bool TouchModeSwitched = false; // Drag Drop is in force and SavedTouchMode holds the old mode
};

frmTest& frmTestForm();
