// The power save page: the controller's idle time before it powers down,
// in steps of ten seconds, or no power-down at all.
#pragma once

#include "PageButtons.h"
#include "PageChrome.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/HScrollBar.h"
#include "forms/Label.h"

class frmSleepTime : public forms::Form {
  public:
    frmSleepTime();

    forms::Frame frameSleepTime{*this, "frameSleepTime"};
    forms::Label lblSS{frameSleepTime, "lblSS"};
    forms::HScrollBar hscSleepTime{frameSleepTime, "hscSleepTime"};
    forms::Label lblST{frameSleepTime, "lblST"};
    forms::Label lblScaleLow{frameSleepTime, "lblScaleLow"};
    forms::Label lblScaleHigh{frameSleepTime, "lblScaleHigh"};
    forms::Label lblShort{frameSleepTime, "lblShort"};
    forms::Label lblLong{frameSleepTime, "lblLong"};
    PageButtons buttons{*this};
    PageChrome chrome{*this};

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void hscSleepTime_Change();
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCandel_Click();
    // lblST and lblSS for the bar's position.
    void ShowPosition();
};

frmSleepTime& frmSleepTimeForm();
