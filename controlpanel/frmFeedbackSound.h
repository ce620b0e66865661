// The feedback sound page: when the controller sounds on a touch, its tone
// and duration, and a button to hear them.
#pragma once

#include <cstdint>

#include "ScaleBar.h"
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
    ScaleBar scaleTone{frameTone, "hscTone", "lblTone", {}, {"lblHigh", "lblLow"}};
    forms::HScrollBar& hscTone = scaleTone.bar;
    forms::Label& lblTone = scaleTone.value;
    forms::Frame frameDuration{*this, "frameDuration"};
    ScaleBar scaleDuration{
        frameDuration, "hscDuration", "lblDuration", {}, {"lblShort", "lblLong"}};
    forms::HScrollBar& hscDuration = scaleDuration.bar;
    forms::Label& lblDuration = scaleDuration.value;
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
