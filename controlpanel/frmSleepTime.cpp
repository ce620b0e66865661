#include "frmSleepTime.h"

#include <algorithm>
#include <string>

#include "BasGlobal.h"
#include "ScaleLabel.h"
#include "Summaries.h"

namespace {

// One step of the bar is ten seconds; position 0 disables the power-down.
constexpr int MaxPosition = 30;
constexpr int SecondsPerStep = 10;
const forms::Color SentenceBlue = forms::Rgb(0, 0, 255);

constexpr int FrameLeft = PageChrome::Margin;
constexpr int FrameTop = PageChrome::ContentTop;
constexpr int FrameHeight = 1545;
constexpr int BarInset = 240;
constexpr int BarTop = 600;
constexpr int ButtonsTop = FrameTop + FrameHeight + 240;

} // namespace

frmSleepTime::frmSleepTime()
    : SettingsPage("frmSleepTime", {BasGlobal::SetPowerDownTime, basMain::SummaryRow::SleepTime}) {
    SetCaption(" Power Save");
    frameSleepTime.SetCaption("  Power Down Timer Adjustment ");
    frameSleepTime.Move(FrameLeft, FrameTop, PageChrome::ContentWidth, FrameHeight);

    DesignScaleLabel(lblSS, "", BarInset, 300, PageChrome::ContentWidth - 2 * BarInset,
                     forms::Alignment::Center);
    lblSS.SetForeColor(SentenceBlue);
    scale.SetRange(0, MaxPosition, 6);
    scale.SetMarks({"0", nullptr, "300"}, {"Short", "Long"});
    scale.PlaceMarksUnder(PageChrome::ContentWidth, BarInset, BarTop,
                          ScaleBar::ValuePlace::BetweenNumbers);
    lblST.SetCaption("0");

    DesignButtons(ButtonsTop);

    // The labels follow the thumb while it is dragged, too.
    hscSleepTime.OnChange = [this] { hscSleepTime_Change(); };
    hscSleepTime.OnScroll = [this] { hscSleepTime_Change(); };
}

void frmSleepTime::ShowPosition() {
    const int position = hscSleepTime.Value();
    lblST.SetCaption(std::to_string(position * SecondsPerStep));
    lblSS.SetCaption(BasGlobal::PowerDownText(position));
}

// A record value beyond the bar shows at the far end.
void frmSleepTime::LoadWorkingCopy() {
    hscSleepTime.SetValue(std::min<int>(BasGlobal::Device.PowerDownTime, MaxPosition));
    ShowPosition();
}

bool frmSleepTime::WorkingCopyDiffers() const {
    return hscSleepTime.Value() != BasGlobal::Device.PowerDownTime;
}

void frmSleepTime::StoreWorkingCopy() {
    BasGlobal::Device.PowerDownTime = static_cast<uint8_t>(hscSleepTime.Value());
}

void frmSleepTime::hscSleepTime_Change() {
    ShowPosition();
    ShowApplyState();
}

frmSleepTime& frmSleepTimeForm() {
    static frmSleepTime form;
    return form;
}
