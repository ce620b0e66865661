// The startup agent's window. In the logon run it shows only its head while
// the agent works; with the switch /SDC it is the double-click settings
// window: three scroll bars, what Windows uses now, a test area with a lamp
// that a recognised double-click switches, and Apply, OK and Cancel.
#pragma once

#include "ScaleBar.h"
#include "StartupRules.h"
#include "WindowHead.h"
#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/HScrollBar.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Shape.h"

class frmMain : public forms::Form {
  public:
    frmMain();

    // Declared first, so that they come first in the tab order.
    forms::Frame Frame1{*this, "Frame1"};
    // One row per bar; the ends of their ranges are elements 0..2 of the
    // arrays lblMin and lblMax.
    ScaleBar rowTT{Frame1, "hscTT", "lblTT", {"lblMin", nullptr, "lblMax"}, {}, 0};
    ScaleBar rowWW{Frame1, "hscWW", "lblWW", {"lblMin", nullptr, "lblMax"}, {}, 1};
    ScaleBar rowHH{Frame1, "hscHH", "lblHH", {"lblMin", nullptr, "lblMax"}, {}, 2};
    forms::HScrollBar& hscTT = rowTT.bar;
    forms::Label& lblTT = rowTT.value;
    forms::HScrollBar& hscWW = rowWW.bar;
    forms::Label& lblWW = rowWW.value;
    forms::HScrollBar& hscHH = rowHH.bar;
    forms::Label& lblHH = rowHH.value;

    forms::CommandButton cmdApply{*this, "cmdApply"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdCandel{*this, "cmdCandel"};

    forms::Frame Frame2{*this, "Frame2"};
    forms::ControlArray<forms::Label> lblSiName{Frame2, "lblSiName", 0, 2};
    forms::Label lblSiTT{Frame2, "lblSiTT"};
    forms::Label lblSiWW{Frame2, "lblSiWW"};
    forms::Label lblSiHH{Frame2, "lblSiHH"};

    forms::Frame Frame4{*this, "Frame4"};
    forms::PictureBox picTest{Frame4, "picTest"};
    forms::Image imgON{picTest, "imgON"};
    forms::Image imgOFF{picTest, "imgOFF"};

    WindowHead chrome{*this};
    forms::Shape Shape1{*this, "Shape1"};

    // The values Windows used when the labels were last filled.
    StartupRules::DoubleClick ShownSystem() const { return shownSystem_; }

  private:
    void Form_Load() override;

    void hscTT_Change();
    void hscWW_Change();
    void hscHH_Change();
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCandel_Click();
    void imgON_DblClick();
    void imgOFF_DblClick();
    void imgIcon_DblClick();

    void DesignBars();
    void DesignSystemInformation();
    void DesignTestArea();
    void DesignButtons();
    void WireEvents();

    void PrepareSettings();
    void ShowSystemValues();
    void UpdateApply();

    StartupRules::DoubleClick shownSystem_ = StartupRules::Defaults;
};

frmMain& frmMainForm();
