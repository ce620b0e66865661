#include "frmMouseSpeed.h"

#include <algorithm>
#include <string>

#include "BasGlobal.h"
#include "OptionChoice.h"
#include "PageTexts.h"
#include "Summaries.h"

namespace {

constexpr int MinSpeed = 1;
constexpr int MaxSpeed = 20;

constexpr int Gap = 120;
constexpr int LeftWidth = 3495;
constexpr int RightLeft = PageChrome::Margin + LeftWidth + Gap;
constexpr int RightWidth = PageChrome::ContentWidth - LeftWidth - Gap;
constexpr int CheckFrameHeight = 615;
constexpr int SpeedFrameHeight = 1095;
constexpr int Top1 = PageChrome::ContentTop;
constexpr int Top2 = Top1 + CheckFrameHeight + Gap;
constexpr int Top3 = Top2 + SpeedFrameHeight + Gap;
constexpr int ColumnBottom = Top3 + SpeedFrameHeight;
constexpr int InsideLeft = 180;
constexpr int CheckTop = 270;
constexpr int CheckHeight = 255;
constexpr int BarTop = 510;
constexpr int OptionTop = 330;
constexpr int OptionStep = 420;
constexpr int ButtonsTop = ColumnBottom + 240;

void DesignSpeed(forms::Frame& frame, const char* caption, int top, ScaleBar& scale) {
    frame.SetCaption(caption);
    frame.Move(PageChrome::Margin, top, LeftWidth, SpeedFrameHeight);
    scale.SetRange(MinSpeed, MaxSpeed, 2);
    scale.SetMarks({}, {"Slow", "Fast"});
    scale.PlaceMarksUnder(LeftWidth, InsideLeft, BarTop, ScaleBar::ValuePlace::OverBar);
}

} // namespace

frmMouseSpeed::frmMouseSpeed()
    : SettingsPage("frmMouseSpeed", {BasGlobal::SetMouseSpeed, basMain::SummaryRow::MouseSpeed}) {
    SetCaption(" Mouse Speed");
    frameAdjust.SetCaption("  Adjust Mode");
    frameAdjust.Move(PageChrome::Margin, Top1, LeftWidth, CheckFrameHeight);
    chkBoth.SetCaption("Set Both Horizontal && Vertical ");
    chkBoth.Move(InsideLeft, CheckTop, LeftWidth - 2 * InsideLeft, CheckHeight);
    DesignSpeed(frameHS, "  Horizontal Speed  ", Top2, scaleHS);
    DesignSpeed(frameVS, "  Vertical Speed  ", Top3, scaleVS);

    frameBypass.SetCaption("  Bypass Mode");
    frameBypass.Move(RightLeft, Top1, RightWidth, CheckFrameHeight);
    chkBypass.SetCaption("Enable");
    chkBypass.Move(InsideLeft, CheckTop, RightWidth - 2 * InsideLeft, CheckHeight);
    ShowChosen(chkBypass, false); // the bypass box stays teal
    frameAC.SetCaption("  Acceleration  ");
    frameAC.Move(RightLeft, Top2, RightWidth, ColumnBottom - Top2);
    for (int i = 1; i <= BasGlobal::AccelerationCount; ++i)
        optAcceleration[i].Move(InsideLeft, OptionTop + (i - 1) * OptionStep,
                                RightWidth - 2 * InsideLeft, CheckHeight);
    DesignOptions(optAcceleration);
    DesignButtons(ButtonsTop);

    chkBoth.OnClick = [this] { chkBoth_Click(); };
    chkBypass.OnClick = [this] { chkBypass_Click(); };
    // The labels and the link follow a dragged thumb, too.
    hscMouseHSpeed.OnChange = [this] { hscMouseHSpeed_Change(); };
    hscMouseHSpeed.OnScroll = [this] { hscMouseHSpeed_Change(); };
    hscMouseVSpeed.OnChange = [this] { hscMouseVSpeed_Change(); };
    hscMouseVSpeed.OnScroll = [this] { hscMouseVSpeed_Change(); };
    optAcceleration.Bind(&forms::Control::OnClick,
                         [this](int index) { optAcceleration_Click(index); });
}

// Each bar shows its own stored speed: the link, checked on every opening,
// acts only once the user moves a bar.
void frmMouseSpeed::LoadWorkingCopy() {
    const DeviceRecord& record = BasGlobal::Device;
    linkActive_ = false;
    for (int i = 1; i <= BasGlobal::AccelerationCount; ++i)
        optAcceleration[i].SetCaption(BasGlobal::AccelerationNames[i]);
    workingAcceleration_ = static_cast<uint8_t>(
        std::clamp<int>(record.MouseAcceleration, 1, BasGlobal::AccelerationCount));
    chkBypass.SetValue(record.MouseBypass != 0 ? 1 : 0);
    chkBoth.SetValue(1);
    ShowChosen(chkBoth, true);
    hscMouseHSpeed.SetValue(record.MouseHSpeed);
    hscMouseVSpeed.SetValue(record.MouseVSpeed);
    lblHS.SetCaption(PercentText(hscMouseHSpeed.Value()));
    lblVS.SetCaption(PercentText(hscMouseVSpeed.Value()));
    ShowChoice(optAcceleration, workingAcceleration_);
    ApplyBypassRule();
    linkActive_ = true;
}

bool frmMouseSpeed::WorkingCopyDiffers() const {
    const DeviceRecord& record = BasGlobal::Device;
    return chkBypass.Value() != record.MouseBypass ||
           hscMouseHSpeed.Value() != record.MouseHSpeed ||
           hscMouseVSpeed.Value() != record.MouseVSpeed ||
           workingAcceleration_ != record.MouseAcceleration;
}

// Values of disabled controls are sent as well.
void frmMouseSpeed::StoreWorkingCopy() {
    DeviceRecord& record = BasGlobal::Device;
    record.MouseBypass = static_cast<uint8_t>(chkBypass.Value());
    record.MouseHSpeed = static_cast<uint8_t>(hscMouseHSpeed.Value());
    record.MouseVSpeed = static_cast<uint8_t>(hscMouseVSpeed.Value());
    record.MouseAcceleration = workingAcceleration_;
}

void frmMouseSpeed::ApplyBypassRule() {
    const bool usable = chkBypass.Value() == 0;
    chkBoth.SetEnabled(usable);
    hscMouseHSpeed.SetEnabled(usable);
    hscMouseVSpeed.SetEnabled(usable);
    for (int i = 1; i <= BasGlobal::AccelerationCount; ++i)
        optAcceleration[i].SetEnabled(usable);
}

// Checking the link again does not equalise the bars until one moves.
void frmMouseSpeed::chkBoth_Click() {
    ShowChosen(chkBoth, chkBoth.Value() != 0);
}

void frmMouseSpeed::chkBypass_Click() {
    ApplyBypassRule();
    ShowApplyState();
}

void frmMouseSpeed::SpeedMoved(forms::HScrollBar& moved, forms::Label& percent,
                               forms::HScrollBar& other) {
    percent.SetCaption(PercentText(moved.Value()));
    if (linkActive_ && chkBoth.Value() != 0)
        other.SetValue(moved.Value()); // its own change event updates its label
    ShowApplyState();
}

void frmMouseSpeed::hscMouseHSpeed_Change() {
    SpeedMoved(hscMouseHSpeed, lblHS, hscMouseVSpeed);
}

void frmMouseSpeed::hscMouseVSpeed_Change() {
    SpeedMoved(hscMouseVSpeed, lblVS, hscMouseHSpeed);
}

void frmMouseSpeed::optAcceleration_Click(int index) {
    if (Choose(optAcceleration, workingAcceleration_, index))
        ShowApplyState();
}

frmMouseSpeed& frmMouseSpeedForm() {
    static frmMouseSpeed form;
    return form;
}
