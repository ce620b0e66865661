#include "frmCalibration.h"

#include <string>

#include "BasGlobal.h"
#include "Hourglass.h"
#include "PointAcquisition.h"
#include "SharedRoutines.h"
#include "basMain.h"
#include "basOEM.h"
#include "basPostMesg.h"
#include "basVersion.h"
#include "forms/MsgBox.h"
#include "forms/Runtime.h"

using namespace Calibration;

namespace {

constexpr forms::Color Silver = forms::Rgb(192, 192, 192);
constexpr forms::Color Red = forms::Rgb(255, 0, 0);
constexpr forms::Color Yellow = forms::Rgb(255, 255, 0);
constexpr int EscKey = 27;
constexpr uint8_t DragDropMode = 4;

// Controller modes sent during a run.
constexpr int32_t NormalMode = 0;
constexpr int32_t LiftOffAtStartMode = 3;
constexpr int32_t BrokenMode = 4;
constexpr int32_t PointAcceptedMode = 5;

const char* const QuestionTitle = "TouchScreen Calibration";
const char* const BreakQuestion = "Are you sure you want to break calibration?";
const char* const CompletionQuestion = "CALIBRATION IS COMPLETE.\r\r"
                                       "For test, touch on the screen and check cursor position.\r"
                                       "To save new calibration, click Yes button.\r"
                                       "To restore old calibration, click No button.";

// Where a part of `inner` pixels starts to stand in the middle of `outer`.
int CentredIn(int outer, int inner) {
    return static_cast<int>(RoundHalfEven((outer - inner) / 2.0));
}

bool PanelTouched() {
    return (BasGlobal::Touch.Flags & TouchedFlag) != 0;
}

} // namespace

frmCalibration::frmCalibration() : Form("frmCalibration") {
    DesignControls();
    picCalibration.OnKeyPress = [this](int& keyAscii) { picCalibration_KeyPress(keyAscii); };
}

void frmCalibration::DesignControls() {
    SetCaption("Calibration");
    SetBorder(forms::BorderStyle::None);
    SetState(forms::WindowState::Maximized);
    SetBackColor(Silver);
    SetScaleUnit(forms::ScaleMode::Pixels);

    picCalibration.SetBorder(forms::BorderStyle::None);
    picCalibration.SetScaleUnit(forms::ScaleMode::Pixels);
    picCalibration.SetBackColor(forms::kWindowBackground);

    lblTitle.SetCaption("TouchScreen Calibration");
    lblTitle.SetFontName("Times New Roman");
    lblTitle.SetFontSize(24);
    lblTitle.SetFontBold(true);
    lblTitle.SetBackStyle(forms::BackStyle::Transparent);
    lblTitle.SetAutoSize(true);

    // Design sizes in pixels; the layout only moves these panels.
    picHome.SetBorder(forms::BorderStyle::None);
    picHome.SetScaleUnit(forms::ScaleMode::Pixels);
    picHome.SetBackColor(Silver);
    picHome.Move(0, 0, 409, 217);

    picStat.SetScaleUnit(forms::ScaleMode::Pixels);
    picStat.SetBackColor(forms::kWhite);
    picStat.Move(108, 16, 193, 65);
    lblResolution.SetBackStyle(forms::BackStyle::Transparent);
    lblResolution.SetTextAlign(forms::Alignment::Center);
    lblResolution.SetFontBold(true);
    lblResolution.Move(0, 22, 189, 17);

    picMesg.SetScaleUnit(forms::ScaleMode::Pixels);
    picMesg.SetBackColor(forms::kWhite);
    picMesg.Move(16, 97, 377, 65);
    lblMesg3.SetBackStyle(forms::BackStyle::Transparent);
    lblMesg3.SetTextAlign(forms::Alignment::Center);
    lblMesg3.SetFontBold(true);
    lblMesg3.Move(0, 22, 373, 17);
    lblMesg3.SetVisible(false);
    lblMesg1.SetBackStyle(forms::BackStyle::Transparent);
    lblMesg1.SetFontBold(true);
    lblMesg1.Move(12, 12, 355, 17);
    lblMesg2.SetBackStyle(forms::BackStyle::Transparent);
    lblMesg2.SetFontBold(true);
    lblMesg2.Move(12, 34, 355, 17);

    lblHelp.SetCaption("Press ESC key to break calibration");
    lblHelp.SetBackStyle(forms::BackStyle::Transparent);
    lblHelp.SetTextAlign(forms::Alignment::Center);
    lblHelp.Move(16, 182, 377, 17);
}

frmCalibration& frmCalibrationForm() {
    static frmCalibration form;
    return form;
}

// ---- window events ----

void frmCalibration::Form_Load() {
    using BasGlobal::Device;
    CurrentPoint = 0;
    lblResolution.SetCaption("Resolution: " + std::to_string(Device.ResolutionX) + " X " +
                             std::to_string(Device.ResolutionY));
    // The right-button tool must not take touches meant for the cross marks:
    // automatic mode is switched off for the run, else the tool is hidden.
    SavedAutoMode = Device.RightButtonAutoMode;
    if (Device.RightButtonFunction == 1) {
        if (Device.VirtualButton == DragDropMode && Device.RightButtonAutoMode != 0) {
            Device.RightButtonAutoMode = 0;
            BasGlobal::SetVirtualButton();
        } else {
            basPostMesg::HideToolWindow();
        }
    }
}

void frmCalibration::Form_Activate() {
    if (Running)
        return;
    Running = true;
    RunCalibration();
    Running = false;
    Unload();
}

void frmCalibration::Form_Resize() {
    picCalibration.Move(0, 0, ScaleWidth(), ScaleHeight());
    const int width = picCalibration.ScaleWidth();
    const int height = picCalibration.ScaleHeight();

    picHome.SetWidth(2 * picMesg.Left() + picMesg.Width());
    picHome.Move(CentredIn(width, picHome.Width()), CentredIn(height, picHome.Height()));
    lblTitle.Move(CentredIn(width, lblTitle.Width()),
                  picHome.Top() - static_cast<int>(RoundHalfEven(1.5 * lblTitle.Height())));
    picStat.SetLeft(CentredIn(picHome.Width(), picStat.Width()));
    picMesg.SetLeft(CentredIn(picHome.Width(), picMesg.Width()));
    lblMesg3.SetTop(CentredIn(picStat.Height(), lblMesg3.Height()));

    Geometry = GeometryForSize(width, height);
}

void frmCalibration::Form_Unload(bool&) {
    using BasGlobal::Device;
    if (Device.RightButtonFunction == 1) {
        if (Device.VirtualButton == DragDropMode && SavedAutoMode != 0) {
            // The saved value itself: a manual-mode value other than 0 stays manual.
            Device.RightButtonAutoMode = SavedAutoMode;
            BasGlobal::SetVirtualButton();
        } else {
            basPostMesg::ShowToolWindow();
        }
    }
    basMain::ReturnToMainWindow();
    BasGlobal::ShowCursorAgain();
}

void frmCalibration::picCalibration_KeyPress(int& keyAscii) {
    if (keyAscii != EscKey)
        return;
    SendControllerMode(NormalMode);
    DrawCrossMark(CurrentPoint, false);
    picMesg.SetVisible(false);
    lblHelp.SetVisible(false);

    BasGlobal::ShowCursorAgain();
    BreakRequested = BasGlobal::AskYesNo(BreakQuestion, MB_DEFBUTTON2, QuestionTitle) == IDYES;
    BasGlobal::HideCursor();

    lblHelp.SetVisible(true);
    picMesg.SetVisible(true);
    DrawCrossMark(CurrentPoint, true);
}

// ---- the run ----

void frmCalibration::RunCalibration() {
    // The window is open: the hourglass of its opening must not stay on
    // while the run waits for touches and answers.
    forms::SetScreenMousePointer(forms::MousePointer::Default);
    BasGlobal::GetSmiWindow();
    OldCalibration = CalibrationOf(BasGlobal::Device);
    OldDirection = BasGlobal::Device.PanelDirection;
    BasGlobal::HideCursor();

    if (AwaitLiftOffAtStart()) {
        SetTouchIndicator(false);
        BreakRequested = false; // an ESC answered during the lift-off wait counts for nothing
        Procedure procedure = Procedure::Corners;
        if (!ProcedureForMode(basOEM::CalibrationMode, procedure)) {
            forms::MsgBox(UnsupportedModeText(basOEM::CalibrationMode), MB_OK,
                          basVersion::ControlPanelTitle);
        } else if ((procedure == Procedure::Corners ? CalibrateCorners() : CalibrateEdges()) == 0) {
            ApplyNewCalibration();
            picCalibration.SetVisible(false);
            BasGlobal::ShowCursorAgain();
            SendControllerMode(NormalMode);
            AskToKeepNewCalibration();
        }
    }
    BasGlobal::ShowCursorAgain();
}

bool frmCalibration::AwaitLiftOffAtStart() {
    BasGlobal::GetTouchStatus();
    if (!PanelTouched())
        return true;
    ShowLiftPrompt("START CALIBRATION!");
    SetTouchIndicator(true);
    SendControllerMode(LiftOffAtStartMode);
    do {
        if (!ProcessEvents()) {
            SendControllerMode(BrokenMode);
            return false;
        }
        BasGlobal::GetTouchStatus();
    } while (PanelTouched());
    return true;
}

int frmCalibration::CalibrateCorners() {
    return Calibrate(Procedure::Corners);
}

int frmCalibration::CalibrateEdges() {
    return Calibrate(Procedure::Edges);
}

int frmCalibration::Calibrate(Procedure procedure) {
    using BasGlobal::Device;
    CalibrationRun run(procedure, Device.ResolutionX, Device.ResolutionY,
                       BasGlobal::SmiWindow.Value);
    for (int point : run.Points()) {
        if (AcquirePoint(run, point, PointName(point)) == 1)
            return 1;
    }
    // RotationCode is the SMI block's field: a code out of range is put back as 0.
    BasGlobal::SmiWindow.Value = run.RotationCode();

    const CalibrationOutcome outcome = run.Compute();
    if (!outcome.Succeeded) {
        BasGlobal::ShowCursorAgain();
        BasGlobal::ShowErrorBox(DirectionErrorText(outcome.Direction), DirectionErrorTitle);
        BasGlobal::HideCursor();
        return 1;
    }
    NewCalibration = outcome.NewCalibration;
    NewDirection = outcome.NewDirection;
    return 0;
}

int frmCalibration::AcquirePoint(CalibrationRun& run, int point, const std::string& name) {
    CurrentPoint = point;
    DrawCrossMark(point, true);
    ShowTouchPrompt(name);
    bool open = ProcessEvents();
    SetTouchIndicator(false);

    PointAcquisition acquisition;
    while (open) {
        BasGlobal::GetTouchStatus();
        const PollResult result = acquisition.Feed(BasGlobal::Touch);
        if (result == PollResult::Accepted)
            return AcceptPoint(run, point);
        if (result == PollResult::NotTouched || result == PollResult::TouchLifted) {
            // A break is only taken while the panel is not touched.
            open = ProcessEvents() && !BreakRequested;
            if (open && result == PollResult::TouchLifted)
                SetTouchIndicator(false); // lifted too early: the touch is dropped
            continue;
        }
        if (result == PollResult::TouchBegan)
            SetTouchIndicator(true);
        // Also while the touch settles: a controller that stops sending
        // samples under a resting finger must not freeze the window.
        open = ProcessEvents();
    }
    // Broken off by the user, or the window was closed under the wait.
    SendControllerMode(BrokenMode);
    return 1;
}

int frmCalibration::AcceptPoint(CalibrationRun& run, int point) {
    run.RecordPoint(point, BasGlobal::Touch.X, BasGlobal::Touch.Y);
    SendControllerMode(PointAcceptedMode);
    DrawCrossMark(point, false);
    ShowLiftPrompt("NEXT STEP!");
    for (BasGlobal::GetTouchStatus(); PanelTouched(); BasGlobal::GetTouchStatus()) {
        if (!ProcessEvents() || BreakRequested) {
            SendControllerMode(BrokenMode);
            return 1;
        }
    }
    SetTouchIndicator(false);
    return 0;
}

void frmCalibration::ApplyNewCalibration() {
    StoreCalibration(BasGlobal::Device, NewCalibration, NewDirection);
    BasGlobal::SetCalibration();
}

void frmCalibration::RestoreOldCalibration() {
    StoreCalibration(BasGlobal::Device, OldCalibration, OldDirection);
    BasGlobal::SetCalibration();
}

void frmCalibration::AskToKeepNewCalibration() {
    if (BasGlobal::AskYesNo(CompletionQuestion, MB_DEFBUTTON1, QuestionTitle) != IDNO)
        return;
    Hourglass busy;
    RestoreOldCalibration();
}

// ---- drawing and prompts ----

void frmCalibration::DrawCrossMark(int point, bool highlighted) {
    const CrossMark mark = CrossMarkOf(Geometry, point);
    if (!mark.Drawn)
        return;
    const forms::Color boxColor = highlighted ? Red : forms::kWhite;
    const forms::Color lineColor = highlighted ? forms::kBlack : forms::kWhite;
    picCalibration.Box(mark.Left, mark.Top, mark.Right, mark.Bottom, boxColor);
    picCalibration.Line(mark.Left, mark.LineY, mark.Right, mark.LineY, lineColor);
    picCalibration.Line(mark.LineX, mark.Top, mark.LineX, mark.Bottom, lineColor);
}

void frmCalibration::ShowTouchPrompt(const std::string& name) {
    lblMesg3.SetVisible(false);
    lblMesg1.SetCaption("Please touch on the center of Cross Mark that");
    lblMesg2.SetCaption("show on the " + name + " of the screen");
    lblMesg2.SetLeft(lblMesg1.Left());
    lblMesg1.SetVisible(true);
    lblMesg2.SetVisible(true);
}

void frmCalibration::ShowLiftPrompt(const std::string& text) {
    lblMesg1.SetVisible(false);
    lblMesg2.SetVisible(false);
    lblMesg3.SetCaption("PLEASE LIFT OFF TO " + text);
    lblMesg3.SetVisible(true);
}

void frmCalibration::SetTouchIndicator(bool on) {
    picStat.SetBackColor(on ? Yellow : forms::kWhite);
}

void frmCalibration::SendControllerMode(int32_t mode) {
    BasGlobal::Mode.Mode = mode;
    BasGlobal::SetControllerMode();
}

bool frmCalibration::ProcessEvents() {
    forms::WaitForEvents();
    return IsLoaded();
}
