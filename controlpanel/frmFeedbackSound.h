// The feedback sound page: when the controller sounds on a touch, its tone
// and duration, and a button to hear them.
#pragma once

#include <cstdint>

#include "SettingsPage.h"
#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Frame.h"
#include "forms/HScrollBar.h"
#include "forms/Label.h"
#include "forms/OptionButton.h"

class frmFeedbackSound : public SettingsPage {
  public:
    frmFeedbackSound();

    forms::Frame frameFeedbackSound{*this, "frameFeedbackSound"};
    forms::ControlArray<forms::OptionButton> optFeedbackSound{frameFeedbackSound,
                                                              "optFeedbackSound", 1, 4};
    forms::Frame frameTone{*this, "frameTone"};
    forms::HScrollBar hscTone{frameTone, "hscTone"};
    forms::Label lblTone{frameTone, "lblTone"};
    forms::Label lblHigh{frameTone, "lblHigh"};
    forms::Label lblLow{frameTone, "lblLow"};
    forms::Frame frameDuration{*this, "frameDuration"};
    forms::HScrollBar hscDuration{frameDuration, "hscDuration"};
    forms::Label lblDuration{frameDuration, "lblDuration"};
    forms::Label lblShort{frameDuration, "lblShort"};
    forms::Label lblLong{frameDuration, "lblLong"};
    forms::CommandButton cmdSoundTest{*this, "cmdSoundTest"};

  private:
    void LoadWorkingCopy() override;
    bool WorkingCopyDiffers() const override;
    void StoreWorkingCopy() override;
    void AfterApply() override;
    void optFeedbackSound_Click(int index);
    void hscTone_Change();
    void hscDuration_Change();
    void cmdSoundTest_MouseDown();
    void cmdSoundTest_MouseUp();
    void PlayShownSound();
    // The test sounds only where the applied mode is silence.
    void OfferSoundTest();

    uint8_t workingMode_ = 1;
};

frmFeedbackSound& frmFeedbackSoundForm();
