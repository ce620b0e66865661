#include "frmSensitivity.h"

#include <algorithm>
#include <string>

#include "BasGlobal.h"
#include "ScaleLabel.h"

namespace {

// The bar runs from "Light" (position 0) to "Heavy"; the driver counts the
// other way round.
constexpr int MaxPosition = 127;
const forms::Color TestBoxYellow = forms::Rgb(255, 255, 0);

constexpr int FrameLeft = PageChrome::Margin;
constexpr int FrameTop = PageChrome::ContentTop;
constexpr int FrameHeight = 2535;
constexpr int BarInset = 240;
constexpr int BarTop = 540;
// About 333 by 61 pixels at 15 twips per pixel.
constexpr int TestBoxWidth = 4995;
constexpr int TestBoxHeight = 915;
constexpr int TestBoxLeft = (PageChrome::ContentWidth - TestBoxWidth) / 2;
constexpr int TestBoxTop = 1380;
constexpr int ButtonsTop = FrameTop + FrameHeight + 240;

int PositionOf(int sensitivity) {
    return MaxPosition - std::min(sensitivity, MaxPosition);
}

} // namespace

frmSensitivity::frmSensitivity()
    : SettingsPage("frmSensitivity",
                   {BasGlobal::SetSensitivity, basMain::SummaryRow::Sensitivity}) {
    SetCaption(" Touch Sensitivity");
    frameSensitivity.SetCaption("  Touch Sensitivity Adjustment ");
    frameSensitivity.Move(FrameLeft, FrameTop, PageChrome::ContentWidth, FrameHeight);

    scale.SetRange(0, MaxPosition, 10);
    scale.SetMarks({"0", "63", "127"}, {"Light", "Heavy"});
    scale.PlaceMarksUnder(PageChrome::ContentWidth, BarInset, BarTop,
                          ScaleBar::ValuePlace::OverBar);
    lblSV.SetCaption("0");

    forms::Label& box = lblTestBox[0];
    box.SetBackColor(TestBoxYellow);
    box.SetBackStyle(forms::BackStyle::Transparent);
    box.SetBorder(forms::BorderStyle::FixedSingle);
    box.Move(TestBoxLeft, TestBoxTop, TestBoxWidth, TestBoxHeight);
    DesignScaleLabel(lblTestBox[1], "Touch On This Box To Test", TestBoxLeft,
                     TestBoxTop + (TestBoxHeight - ScaleLabelHeight) / 2, TestBoxWidth,
                     forms::Alignment::Center);

    DesignButtons(ButtonsTop);

    // The labels follow the thumb while it is dragged, too.
    hscSensitivity.OnChange = [this] { hscSensitivity_Change(); };
    hscSensitivity.OnScroll = [this] { hscSensitivity_Change(); };
    lblTestBox.Bind(&forms::Control::OnMouseDown,
                    std::function<void(int, int, int, int, int)>(
                        [this](int index, int, int, int, int) { lblTestBox_MouseDown(index); }));
    lblTestBox.Bind(&forms::Control::OnMouseUp,
                    std::function<void(int, int, int, int, int)>(
                        [this](int index, int, int, int, int) { lblTestBox_MouseUp(index); }));
}

void frmSensitivity::LoadWorkingCopy() {
    hscSensitivity.SetValue(PositionOf(BasGlobal::Device.Sensitivity));
    lblSV.SetCaption(std::to_string(hscSensitivity.Value()));
}

bool frmSensitivity::WorkingCopyDiffers() const {
    return MaxPosition - hscSensitivity.Value() != BasGlobal::Device.Sensitivity;
}

void frmSensitivity::StoreWorkingCopy() {
    BasGlobal::Device.Sensitivity = static_cast<uint8_t>(MaxPosition - hscSensitivity.Value());
}

void frmSensitivity::hscSensitivity_Change() {
    lblSV.SetCaption(std::to_string(hscSensitivity.Value()));
    ShowApplyState();
}

void frmSensitivity::lblTestBox_MouseDown(int) {
    lblTestBox[0].SetBackStyle(forms::BackStyle::Opaque);
}

void frmSensitivity::lblTestBox_MouseUp(int) {
    lblTestBox[0].SetBackStyle(forms::BackStyle::Transparent);
}

frmSensitivity& frmSensitivityForm() {
    static frmSensitivity form;
    return form;
}
