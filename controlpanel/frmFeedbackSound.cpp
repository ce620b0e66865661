#include "frmFeedbackSound.h"

#include <algorithm>
#include <string>

#include "BasGlobal.h"
#include "OptionChoice.h"
#include "Summaries.h"

namespace {

constexpr int SilenceMode = 1;
constexpr int MinTone = 200;
constexpr int MaxTone = 5000;
constexpr int MinDuration = 10;
constexpr int MaxDuration = 50;

constexpr int Gap = 120;
constexpr int OptionFrameHeight = 1455;
constexpr int OptionLeft = 240;
constexpr int OptionTop = 300;
constexpr int OptionStep = 270;
constexpr int OptionHeight = 255;
constexpr int ScaleFrameTop = PageChrome::ContentTop + OptionFrameHeight + Gap;
constexpr int ScaleFrameWidth = (PageChrome::ContentWidth - Gap) / 2;
constexpr int ScaleFrameHeight = 1095;
constexpr int BarInset = 180;
constexpr int BarTop = 510;
constexpr int TestTop = ScaleFrameTop + ScaleFrameHeight + 240;
constexpr int TestWidth = 2415;
constexpr int ButtonsTop = TestTop + PageButtons::Height + 240;

// A bar with its number above and the words of its ends below.
void DesignScale(forms::Frame& frame, int left, const char* caption, ScaleBar& scale, int min,
                 int max, int largeChange, const ScaleBar::Words& words) {
    frame.SetCaption(caption);
    frame.Move(left, ScaleFrameTop, ScaleFrameWidth, ScaleFrameHeight);
    scale.SetRange(min, max, largeChange);
    scale.SetMarks({}, words);
    scale.PlaceMarksUnder(ScaleFrameWidth, BarInset, BarTop, ScaleBar::ValuePlace::OverBar);
}

} // namespace

frmFeedbackSound::frmFeedbackSound()
    : SettingsPage("frmFeedbackSound",
                   {BasGlobal::SetFeedbackSound, basMain::SummaryRow::FeedbackSound}) {
    SetCaption(" Feedback Sound");
    frameFeedbackSound.SetCaption("  Feedback Sound Option  ");
    frameFeedbackSound.Move(PageChrome::Margin, PageChrome::ContentTop, PageChrome::ContentWidth,
                            OptionFrameHeight);
    for (int i = 1; i <= BasGlobal::FeedbackCount; ++i)
        optFeedbackSound[i].Move(OptionLeft, OptionTop + (i - 1) * OptionStep,
                                 PageChrome::ContentWidth - 2 * OptionLeft, OptionHeight);
    DesignOptions(optFeedbackSound);

    DesignScale(frameTone, PageChrome::Margin, "  Tone  ", scaleTone, MinTone, MaxTone, 100,
                {"High", "Low"});
    DesignScale(frameDuration, PageChrome::Margin + ScaleFrameWidth + Gap, "  Duration  ",
                scaleDuration, MinDuration, MaxDuration, 5, {"Short", "Long"});

    cmdSoundTest.SetCaption("Touch Here to Test");
    cmdSoundTest.Move((PageChrome::InnerWidth - TestWidth) / 2, TestTop, TestWidth,
                      PageButtons::Height);
    DesignButtons(ButtonsTop);

    optFeedbackSound.Bind(&forms::Control::OnClick,
                          [this](int index) { optFeedbackSound_Click(index); });
    // The numbers follow a dragged thumb, too.
    hscTone.OnChange = [this] { hscTone_Change(); };
    hscTone.OnScroll = [this] { hscTone_Change(); };
    hscDuration.OnChange = [this] { hscDuration_Change(); };
    hscDuration.OnScroll = [this] { hscDuration_Change(); };
    cmdSoundTest.OnMouseDown = [this](int, int, int, int) { cmdSoundTest_MouseDown(); };
    cmdSoundTest.OnMouseUp = [this](int, int, int, int) { cmdSoundTest_MouseUp(); };
}

void frmFeedbackSound::LoadWorkingCopy() {
    const DeviceRecord& record = BasGlobal::Device;
    for (int i = 1; i <= BasGlobal::FeedbackCount; ++i)
        optFeedbackSound[i].SetCaption(std::string(" ") + BasGlobal::FeedbackNames[i]);
    workingMode_ =
        static_cast<uint8_t>(std::clamp<int>(record.FeedbackSound, 1, BasGlobal::FeedbackCount));
    ShowChoice(optFeedbackSound, workingMode_);
    hscTone.SetValue(record.FeedbackTone);
    hscDuration.SetValue(record.FeedbackDuration);
    lblTone.SetCaption(std::to_string(hscTone.Value()));
    lblDuration.SetCaption(std::to_string(hscDuration.Value()));
    OfferSoundTest();
}

bool frmFeedbackSound::WorkingCopyDiffers() const {
    const DeviceRecord& record = BasGlobal::Device;
    return workingMode_ != record.FeedbackSound || hscDuration.Value() != record.FeedbackDuration ||
           hscTone.Value() != record.FeedbackTone;
}

void frmFeedbackSound::StoreWorkingCopy() {
    DeviceRecord& record = BasGlobal::Device;
    record.FeedbackTone = static_cast<int16_t>(hscTone.Value());
    record.FeedbackDuration = static_cast<int16_t>(hscDuration.Value());
    record.FeedbackSound = workingMode_;
}

void frmFeedbackSound::AfterApply() {
    OfferSoundTest();
}

void frmFeedbackSound::OfferSoundTest() {
    cmdSoundTest.SetEnabled(workingMode_ == SilenceMode);
}

void frmFeedbackSound::optFeedbackSound_Click(int index) {
    if (Choose(optFeedbackSound, workingMode_, index))
        ShowApplyState();
}

void frmFeedbackSound::hscTone_Change() {
    lblTone.SetCaption(std::to_string(hscTone.Value()));
    ShowApplyState();
}

void frmFeedbackSound::hscDuration_Change() {
    lblDuration.SetCaption(std::to_string(hscDuration.Value()));
    ShowApplyState();
}

// The tone and duration shown, applied or not. The labels show the bars'
// positions, so the block is filled from those.
void frmFeedbackSound::PlayShownSound() {
    BasGlobal::Beep = {static_cast<int16_t>(hscTone.Value()),
                       static_cast<int16_t>(hscDuration.Value())};
    BasGlobal::PlayBeep();
}

// A press and a release sound as a touch-down and a lift-off would.
void frmFeedbackSound::cmdSoundTest_MouseDown() {
    PlayShownSound();
}

void frmFeedbackSound::cmdSoundTest_MouseUp() {
    PlayShownSound();
}

frmFeedbackSound& frmFeedbackSoundForm() {
    static frmFeedbackSound form;
    return form;
}
