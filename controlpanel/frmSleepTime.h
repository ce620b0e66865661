// The power save page: the controller's idle time before it powers down,
// in steps of ten seconds, or no power-down at all.
#pragma once

#include "ScaleBar.h"
#include "SettingsPage.h"
#include "forms/Frame.h"
#include "forms/HScrollBar.h"
#include "forms/Label.h"

class frmSleepTime : public SettingsPage {
  public:
    frmSleepTime();

    forms::Frame frameSleepTime{*this, "frameSleepTime"};
    forms::Label lblSS{frameSleepTime, "lblSS"};
    ScaleBar scale{frameSleepTime,
                   "hscSleepTime",
                   "lblST",
                   {"lblScaleLow", nullptr, "lblScaleHigh"},
                   {"lblShort", "lblLong"}};
    forms::HScrollBar& hscSleepTime = scale.bar;
    forms::Label& lblST = scale.value;

  private:
    void LoadWorkingCopy() override;
    bool WorkingCopyDiffers() const override;
    void StoreWorkingCopy() override;
    void hscSleepTime_Change();
    // lblST and lblSS for the bar's position.
    void ShowPosition();
};

frmSleepTime& frmSleepTimeForm();
