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
constexpr int BarLeft = 240;
constexpr int BarWidth = PageChrome::ContentWidth - 2 * BarLeft;
constexpr int NumberWidth = 600;
constexpr int WordWidth = 900;
constexpr int MiddleLeft = (PageChrome::ContentWidth - NumberWidth) / 2;
constexpr int RightEnd = BarLeft + BarWidth;
constexpr int ButtonsTop = FrameTop + FrameHeight + 240;

} // namespace

frmSleepTime::frmSleepTime()
    : SettingsPage("frmSleepTime", {BasGlobal::SetPowerDownTime, basMain::SummaryRow::SleepTime}) {
    SetCaption(" Power Save");
    frameSleepTime.SetCaption("  Power Down Timer Adjustment ");
    frameSleepTime.Move(FrameLeft, FrameTop, PageChrome::ContentWidth, FrameHeight);

    DesignScaleLabel(lblSS, "", BarLeft, 300, BarWidth, forms::Alignment::Center);
    lblSS.SetForeColor(SentenceBlue);
    hscSleepTime.SetMin(0);
    hscSleepTime.SetMax(MaxPosition);
    hscSleepTime.SetSmallChange(1);
    hscSleepTime.SetLargeChange(6);
    hscSleepTime.Move(BarLeft, 600, BarWidth, 255);
    DesignScaleLabel(lblScaleLow, "0", BarLeft, 900, NumberWidth, forms::Alignment::Left);
    DesignScaleLabel(lblST, "0", MiddleLeft, 900, NumberWidth, forms::Alignment::Center);
    DesignScaleLabel(lblScaleHigh, "300", RightEnd - NumberWidth, 900, NumberWidth,
                     forms::Alignment::Right);
    DesignScaleLabel(lblShort, "Short", BarLeft, 1110, WordWidth, forms::Alignment::Left);
    DesignScaleLabel(lblLong, "Long", RightEnd - WordWidth, 1110, WordWidth,
                     forms::Alignment::Right);

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
