#include "frmVirtualButton.h"

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "BasGlobal.h"
#include "OptionChoice.h"
#include "PageTexts.h"
#include "ScaleLabel.h"
#include "Summaries.h"
#include "basPostMesg.h"

namespace {

constexpr int DragDropMode = 4;
constexpr int FunctionOn = 1;
constexpr int ManualMode = 0;
constexpr int AutomaticMode = 1;
constexpr const char* AutoModeItems[] = {" Manual Mode", " Automatic Mode"};
constexpr const char* BeepItems[] = {"Off", "On"};

constexpr int Gap = 120;
constexpr int ModeFrameWidth = 2760;
constexpr int FunctionLeft = PageChrome::Margin + ModeFrameWidth + Gap;
constexpr int FunctionWidth = PageChrome::ContentWidth - ModeFrameWidth - Gap;
constexpr int UpperHeight = 1455;
constexpr int InsideLeft = 180;
constexpr int OptionTop = 300;
constexpr int OptionStep = 270;
constexpr int OptionHeight = 255;
constexpr int ComboHeight = 315;
constexpr int AutoTop = PageChrome::ContentTop + UpperHeight + Gap;
constexpr int AutoHeight = 735;
constexpr int RowTop = 300;
constexpr int LabelTop = RowTop + (ComboHeight - ScaleLabelHeight) / 2;
constexpr int ButtonsTop = AutoTop + AutoHeight + 240;

// The row of the automatic mode, left to right: label widths and combos.
constexpr int OnWidth = 870;
constexpr int TimeWidth = 660;
constexpr int SecWidth = 360;
constexpr int OffWidth = 930;
constexpr int BeepWidth = 420;
constexpr int RowGap = 45;

// The user's decimal separator, for the toggle times.
char DecimalSeparator() {
    char text[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text) > 1 &&
        text[1] == '\0')
        return text[0];
    return '.';
}

// Left to right with a small gap; returns the next free left.
int PlaceInRow(forms::Label& label, const char* caption, int left, int width) {
    DesignScaleLabel(label, caption, left, LabelTop, width, forms::Alignment::Left);
    return left + width + RowGap;
}
int PlaceInRow(forms::ComboBox& combo, int left, int width) {
    combo.Move(left, RowTop, width, ComboHeight);
    return left + width + RowGap;
}

void Fill(forms::ComboBox& combo, const std::vector<std::string>& items, int selected) {
    combo.Clear();
    for (const std::string& item : items)
        combo.AddItem(item);
    combo.SetListIndex(selected);
}

std::vector<std::string> ToggleTimes() {
    const char separator = DecimalSeparator();
    std::vector<std::string> times;
    for (int k = 0; k < ToggleTimeCount; ++k)
        times.push_back(ToggleTimeText(k, separator));
    return times;
}

uint8_t Clamped(int value, int last) {
    return static_cast<uint8_t>(std::clamp(value, 0, last));
}

} // namespace

frmVirtualButton::frmVirtualButton()
    : SettingsPage("frmVirtualButton",
                   {BasGlobal::SetVirtualButton, basMain::SummaryRow::VirtualButton}) {
    SetCaption(" Virtual Button");
    frameVirtualButton.SetCaption("  Virtual Button Option  ");
    frameVirtualButton.Move(PageChrome::Margin, PageChrome::ContentTop, ModeFrameWidth,
                            UpperHeight);
    for (int i = 1; i <= BasGlobal::TouchModeCount; ++i)
        optVirtualButton[i].Move(InsideLeft, OptionTop + (i - 1) * OptionStep,
                                 ModeFrameWidth - 2 * InsideLeft, OptionHeight);
    DesignOptions(optVirtualButton);

    frameRBFunction.SetCaption("  Right Button Function ");
    frameRBFunction.Move(FunctionLeft, PageChrome::ContentTop, FunctionWidth, UpperHeight);
    optRBFunction[0].SetCaption("Disable ( Off )");
    optRBFunction[1].SetCaption("Enable  ( On )");
    for (int i = 0; i <= 1; ++i)
        optRBFunction[i].Move(InsideLeft, OptionTop + i * OptionStep,
                              FunctionWidth - 2 * InsideLeft, OptionHeight);
    DesignOptions(optRBFunction);
    cboRBAutoMode.Move(InsideLeft, OptionTop + 2 * OptionStep + 150, FunctionWidth - 2 * InsideLeft,
                       ComboHeight);

    frameRBAuto.SetCaption("  Right Button Automatic Mode");
    frameRBAuto.Move(PageChrome::Margin, AutoTop, PageChrome::ContentWidth, AutoHeight);
    int left = InsideLeft;
    left = PlaceInRow(lblRBAutoSTime, "Toggle On", left, OnWidth);
    left = PlaceInRow(cboRBAutoSTime, left, TimeWidth);
    left = PlaceInRow(lblRBAutoSTimeSec, "Sec.", left, SecWidth);
    left = PlaceInRow(lblRBAutoETime, "Toggle Off", left, OffWidth);
    left = PlaceInRow(cboRBAutoETime, left, TimeWidth);
    left = PlaceInRow(lblRBAutoETimeSec, "Sec.", left, SecWidth);
    left = PlaceInRow(lblRBAutoBeep, "Beep", left, BeepWidth);
    PlaceInRow(cboRBAutoBeep, left, TimeWidth);

    DesignButtons(ButtonsTop);

    optVirtualButton.Bind(&forms::Control::OnClick,
                          [this](int index) { optVirtualButton_Click(index); });
    optRBFunction.Bind(&forms::Control::OnClick, [this](int index) { optRBFunction_Click(index); });
    cboRBAutoMode.OnClick = [this] { cboRBAutoMode_Click(); };
    cboRBAutoSTime.OnClick = [this] { cboRBAutoSTime_Click(); };
    cboRBAutoETime.OnClick = [this] { cboRBAutoETime_Click(); };
    cboRBAutoBeep.OnClick = [this] { cboRBAutoBeep_Click(); };
}

// A record value beyond a control's choices is shown as the nearest one.
void frmVirtualButton::LoadWorkingCopy() {
    const DeviceRecord& record = BasGlobal::Device;
    for (int i = 1; i <= BasGlobal::TouchModeCount; ++i)
        optVirtualButton[i].SetCaption(std::string(" ") + BasGlobal::TouchModeNames[i]);
    working_ = {
        static_cast<uint8_t>(std::clamp<int>(record.VirtualButton, 1, BasGlobal::TouchModeCount)),
        Clamped(record.RightButtonFunction, 1),
        Clamped(record.RightButtonAutoMode, 1),
        Clamped(record.RightButtonAutoSTime, ToggleTimeCount - 1),
        Clamped(record.RightButtonAutoETime, ToggleTimeCount - 1),
        Clamped(record.RightButtonAutoBeep, 1)};
    ShowChoice(optVirtualButton, working_.mode);
    ShowChoice(optRBFunction, working_.function);
    // Selecting raises the lists' events, which take the same values back.
    Fill(cboRBAutoMode, {AutoModeItems[0], AutoModeItems[1]}, working_.autoMode);
    const std::vector<std::string> times = ToggleTimes();
    Fill(cboRBAutoSTime, times, working_.onTime);
    Fill(cboRBAutoETime, times, working_.offTime);
    Fill(cboRBAutoBeep, {BeepItems[0], BeepItems[1]}, working_.beep);
    ApplyEnablingRule();
}

void frmVirtualButton::ApplyEnablingRule() {
    const bool autoModeUsable = working_.mode == DragDropMode && working_.function == FunctionOn;
    cboRBAutoMode.SetEnabled(autoModeUsable);
    const bool rowUsable = autoModeUsable && working_.autoMode == AutomaticMode;
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &lblRBAutoSTime, &cboRBAutoSTime, &lblRBAutoSTimeSec, &lblRBAutoETime, &cboRBAutoETime,
             &lblRBAutoETimeSec, &lblRBAutoBeep, &cboRBAutoBeep})
        control->SetEnabled(rowUsable);
}

// Only settings that are in force count: the automatic mode only with the
// function on in drag-and-drop mode, its times and beep only when automatic.
bool frmVirtualButton::WorkingCopyDiffers() const {
    const DeviceRecord& record = BasGlobal::Device;
    if (working_.mode != record.VirtualButton || working_.function != record.RightButtonFunction)
        return true;
    if (working_.mode != DragDropMode || working_.function != FunctionOn)
        return false;
    if (working_.autoMode != record.RightButtonAutoMode)
        return true;
    if (working_.autoMode == ManualMode)
        return false;
    return working_.onTime != record.RightButtonAutoSTime ||
           working_.offTime != record.RightButtonAutoETime ||
           working_.beep != record.RightButtonAutoBeep;
}

// The whole right-button group goes with it, times not in force included.
void frmVirtualButton::StoreWorkingCopy() {
    DeviceRecord& record = BasGlobal::Device;
    record.VirtualButton = working_.mode;
    record.RightButtonFunction = working_.function;
    record.RightButtonAutoMode = working_.autoMode;
    record.RightButtonAutoSTime = working_.onTime;
    record.RightButtonAutoETime = working_.offTime;
    record.RightButtonAutoBeep = working_.beep;
}

// The on-screen tool serves the function unless it is off or the driver
// toggles automatically. A tool already running answers the new start by
// showing itself and ending the new copy.
void frmVirtualButton::AfterApply() {
    const bool automatic = working_.mode == DragDropMode && working_.autoMode != ManualMode;
    if (working_.function != FunctionOn || automatic)
        basPostMesg::QuitTool();
    else
        basPostMesg::StartTool();
}

void frmVirtualButton::optVirtualButton_Click(int index) {
    if (!Choose(optVirtualButton, working_.mode, index))
        return;
    ApplyEnablingRule();
    ShowApplyState();
}

void frmVirtualButton::optRBFunction_Click(int index) {
    if (!Choose(optRBFunction, working_.function, index))
        return;
    ApplyEnablingRule();
    ShowApplyState();
}

// Only a choice from the list counts.
bool frmVirtualButton::TakeChoice(const forms::ComboBox& list, uint8_t& field) {
    if (list.ListIndex() < 0)
        return false;
    field = static_cast<uint8_t>(list.ListIndex());
    return true;
}

void frmVirtualButton::cboRBAutoMode_Click() {
    if (!TakeChoice(cboRBAutoMode, working_.autoMode))
        return;
    ApplyEnablingRule();
    ShowApplyState();
}

void frmVirtualButton::cboRBAutoSTime_Click() {
    if (TakeChoice(cboRBAutoSTime, working_.onTime))
        ShowApplyState();
}

void frmVirtualButton::cboRBAutoETime_Click() {
    if (TakeChoice(cboRBAutoETime, working_.offTime))
        ShowApplyState();
}

void frmVirtualButton::cboRBAutoBeep_Click() {
    if (TakeChoice(cboRBAutoBeep, working_.beep))
        ShowApplyState();
}

frmVirtualButton& frmVirtualButtonForm() {
    static frmVirtualButton form;
    return form;
}
