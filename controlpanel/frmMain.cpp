#include "frmMain.h"

#include <initializer_list>
#include <string>

#include "BasGlobal.h"
#include "FormRoutines.h"
#include "Hourglass.h"
#include "MainSummaries.h"
#include "PageChrome.h"
#include "PanelIcon.h"
#include "SharedRoutines.h"
#include "basLOGO.h"
#include "basMain.h"
#include "basOEM.h"
#include "basPostMesg.h"
#include "basVersion.h"
#include "forms/InputCodes.h"
#include "forms/Runtime.h"
#include "frmAbout.h"
#include "frmCalibration.h"
#include "frmFeedbackSound.h"
#include "frmMcuInfo.h"
#include "frmMouseSpeed.h"
#include "frmSensitivity.h"
#include "frmSerialPort.h"
#include "frmSleepTime.h"
#include "frmSupport.h"
#include "frmTest.h"
#include "frmVirtualButton.h"

namespace {

// Twips. The window's inner area is 6765 x 5415 before the build's layout
// takes one row away; the outer size adds a fixed frame and a title bar.
// The frames, and with them Exit, reach 150 twips further right than
// designed: the longest summary, "Drag Drop Mode, RBF Enable ( Automatic
// Mode )", then fits in the system's font at 96 and at 120 DPI, a pixel to
// spare, instead of being shrunk.
constexpr int Widening = 150;
constexpr int DesignWidth = 6705 + Widening;
constexpr int DesignHeight = 5805;

constexpr int SystemWidth = 3105;
constexpr int SystemHeight = 195;

constexpr int RowTops[] = {1500, 2100, 2700, 3300, 3900, 4500};
constexpr int RowLeft = 480;
constexpr int RowButtonWidth = 1695;
constexpr int RowHeight = 435;
constexpr int FrameLeft = 2280;
constexpr int FrameWidth = 3855 + Widening;
constexpr int SummaryLeft = 2400;
constexpr int SummaryInset = 120;
constexpr int SummaryWidth = 2910;
constexpr int SummaryHeight = 195;

// The list is wide enough for " 4 points, mode 1" with a pixel to spare at
// 96 and at 120 DPI; Support stands between its frame and Exit, the gaps as
// designed.
constexpr int ComboLeft = 2340;
constexpr int ComboInset = 60;
constexpr int ComboWidth = 1710;
constexpr int ComboHeight = 315;
constexpr int CalibrationFrameWidth = ComboWidth + 2 * (ComboLeft - FrameLeft);
constexpr int ButtonGap = 105;
constexpr int ExitLeft = 5160 + Widening;
constexpr int SmallButtonWidth = 975;
constexpr int SupportLeft = FrameLeft + CalibrationFrameWidth + ButtonGap;
constexpr int SupportWidth = ExitLeft - ButtonGap - SupportLeft;

constexpr int DetectionTop = 4980;
// Like the summaries, the word has the whole inside of its frame, centred
// there as designed: in some systems' fonts it is wider than designed.
constexpr int DetectionLabelLeft = RowLeft + SummaryInset;
constexpr int DetectionLabelTop = 5100;
constexpr int DetectionLabelWidth = RowButtonWidth - 2 * SummaryInset;
constexpr int DetectionLabelHeight = 195;

// The controls that are never shown sit below the window's inner area.
constexpr int HiddenRowTop = 5580;

constexpr const char* ControllerNotFoundText = "TouchScreen Controller Not Found!";
constexpr const char* CalibrationItems[] = {" 4 points, mode 1", " 4 points, mode 2"};

void DesignRow(forms::CommandButton& button, forms::Shape& frame, forms::Label& summary,
               const char* caption, const char* text, int top) {
    button.SetCaption(caption);
    button.Move(RowLeft, top, RowButtonWidth, RowHeight);
    frame.Move(FrameLeft, top, FrameWidth, RowHeight);
    summary.SetCaption(text);
    summary.SetBackStyle(forms::BackStyle::Transparent);
    // Summaries may be longer than the designed width; the frame has room.
    summary.SetAutoSize(true);
    summary.Move(SummaryLeft, top + SummaryInset, SummaryWidth, SummaryHeight);
}

void Remove(forms::Control& control) {
    control.SetEnabled(false);
    control.SetVisible(false);
}

// The hidden gestures: exactly the middle button, exactly Ctrl and Alt.
bool IsHiddenGesture(int button, int shift) {
    return button == forms::kMiddleButton && shift == (forms::kCtrlMask | forms::kAltMask);
}

bool IsMouseSpeedKey(int keyCode, int shift) {
    return keyCode == 'K' && shift == forms::kCtrlMask;
}

} // namespace

frmMain& frmMainForm() {
    static frmMain form;
    return form;
}

frmMain::frmMain() : Form("frmMain") {
    SetCaption(basVersion::ControlPanelTitle);
    SetBorder(forms::BorderStyle::FixedSingle);
    Move(0, 0, DesignWidth, DesignHeight);
    DesignHead();
    DesignRows();
    DesignHiddenControls();
    // The build's rows are set before any window exists, so that the windows
    // are made in place.
    LayOutBuild();
    WireEvents();
    LendHeadToAbout();
    RegisterSummaries();
    basMain::SetMainWindow(*this);
}

// The shared about window opens from here and comes back here.
void frmMain::LendHeadToAbout() {
    frmAbout& about = frmAboutForm();
    about.TakeOverHead = [](frmAbout& window) { basMain::PrepareSubWindow(window, window.chrome); };
    about.ReturnToOpener = basMain::ReturnToMainWindow;
}

// The shared head, with the version line in the main window's place.
void frmMain::DesignHead() {
    chrome.lblOemTitle.SetCaption("Orvalith");
    chrome.lblSystem.SetAutoSize(true);
    // As in every head, the line ends on the logo box's last row: lower, the
    // box would hide its letters' tails.
    chrome.lblSystem.Move(0, WindowHead::SystemTop, SystemWidth, SystemHeight);
    chrome.imgIcon.SetPicture(forms::Picture::FromIcon(PanelIcon::Create()));
}

void frmMain::DesignRows() {
    DesignRow(cmdSerialPort, shpSerialPort, lblSerialPort, "&Serial Port",
              "COM?, Port=????h, IRQ=??, ????? BPS", RowTops[0]);
    DesignRow(cmdVirtualButton, shpVirtualButton, lblVirtualButton, "&Virtual Button",
              "Drag Drop Mode", RowTops[1]);
    DesignRow(cmdFeedbackSound, shpFeedbackSound, lblFeedbackSound, "&Feedback Sound", "Silence",
              RowTops[2]);
    DesignRow(cmdMouseSpeed, shpMouseSpeed, lblMouseSpeed, "&Mouse Speed",
              "HS=50%, VS=50%, Acceleration=Slow", RowTops[3]);
    DesignRow(cmdSleepTime, shpSleepTime, lblSleepTime, "&Power Save",
              "Disable Power Down Function", RowTops[4]);

    const int calibrationTop = RowTops[5];
    cmdCalibration.SetCaption("&Calibration");
    cmdCalibration.Move(RowLeft, calibrationTop, RowButtonWidth, RowHeight);
    shpCalibration.Move(FrameLeft, calibrationTop, CalibrationFrameWidth, RowHeight);
    cboCalibration.Move(ComboLeft, calibrationTop + ComboInset, ComboWidth, ComboHeight);
    cmdSupport.SetCaption("S&upport");
    cmdSupport.Move(SupportLeft, calibrationTop, SupportWidth, RowHeight);
    cmdExit.SetCaption("E&xit");
    cmdExit.Move(ExitLeft, calibrationTop, SmallButtonWidth, RowHeight);
}

void frmMain::DesignHiddenControls() {
    DesignRow(cmdSensivitity, shpSensitivity, lblSensitivity, "&Touch Sensitivity",
              "Level 0 (Normal)", HiddenRowTop);
    cmdTest.SetCaption("&Test");
    cmdTest.Move(RowLeft, HiddenRowTop + RowTops[1] - RowTops[0], SmallButtonWidth, RowHeight);
    cmdSMIon.SetCaption("SMI on");
    cmdSMIon.Move(SupportLeft, HiddenRowTop + RowTops[1] - RowTops[0], SupportWidth, RowHeight);
    cmdSMIoff.SetCaption("SMI Off");
    cmdSMIoff.Move(ExitLeft, HiddenRowTop + RowTops[1] - RowTops[0], SmallButtonWidth, RowHeight);

    shpDetection.Move(RowLeft, DetectionTop, RowButtonWidth, RowHeight);
    lblDetection.SetCaption("Detection");
    lblDetection.SetBackStyle(forms::BackStyle::Transparent);
    lblDetection.SetTextAlign(forms::Alignment::Center);
    lblDetection.Move(DetectionLabelLeft, DetectionLabelTop, DetectionLabelWidth,
                      DetectionLabelHeight);

    for (forms::Control* control :
         {static_cast<forms::Control*>(&cmdSensivitity),
          static_cast<forms::Control*>(&shpSensitivity),
          static_cast<forms::Control*>(&lblSensitivity), static_cast<forms::Control*>(&cmdTest),
          static_cast<forms::Control*>(&cmdSMIon), static_cast<forms::Control*>(&cmdSMIoff),
          static_cast<forms::Control*>(&shpDetection), static_cast<forms::Control*>(&lblDetection)})
        Remove(*control);
}

void frmMain::RegisterSummaries() {
    using basMain::SummaryRow;
    basMain::RegisterSummaryRow(SummaryRow::SerialPort, lblSerialPort, shpSerialPort);
    basMain::RegisterSummaryRow(SummaryRow::VirtualButton, lblVirtualButton, shpVirtualButton);
    basMain::RegisterSummaryRow(SummaryRow::FeedbackSound, lblFeedbackSound, shpFeedbackSound);
    basMain::RegisterSummaryRow(SummaryRow::MouseSpeed, lblMouseSpeed, shpMouseSpeed);
    basMain::RegisterSummaryRow(SummaryRow::SleepTime, lblSleepTime, shpSleepTime);
    basMain::RegisterSummaryRow(SummaryRow::Sensitivity, lblSensitivity, shpSensitivity);
}

void frmMain::WireEvents() {
    cmdSerialPort.OnClick = [this] { cmdSerialPort_Click(); };
    cmdVirtualButton.OnClick = [this] { cmdVirtualButton_Click(); };
    cmdFeedbackSound.OnClick = [this] { cmdFeedbackSound_Click(); };
    cmdMouseSpeed.OnClick = [this] { cmdMouseSpeed_Click(); };
    cmdSleepTime.OnClick = [this] { cmdSleepTime_Click(); };
    cmdSensivitity.OnClick = [this] { cmdSensivitity_Click(); };
    cmdCalibration.OnClick = [this] { cmdCalibration_Click(); };
    cmdTest.OnClick = [this] { cmdTest_Click(); };
    cmdSupport.OnClick = [this] { cmdSupport_Click(); };
    chrome.imgIcon.OnDblClick = [this] { imgIcon_DblClick(); };
    cmdExit.OnClick = [this] { cmdExit_Click(); };
    cmdExit.OnMouseDown = [this](int button, int shift, int x, int y) {
        cmdExit_MouseDown(button, shift, x, y);
    };
    cmdSerialPort.OnMouseDown = [this](int button, int shift, int x, int y) {
        cmdSerialPort_MouseDown(button, shift, x, y);
    };
    cboCalibration.OnClick = [this] { cboCalibration_Click(); };
    cmdSMIon.OnClick = [this] { cmdSMIon_Click(); };
    cmdSMIoff.OnClick = [this] { cmdSMIoff_Click(); };
}

// ---- start-up ----

void frmMain::Form_Load() {
    SetCaption(basVersion::ControlPanelTitle);
    chrome.lblSystem.SetCaption(chrome.lblSystem.Caption() + basVersion::VersionText);
    if (!BasGlobal::EndIfAnotherCopyRuns(*this, basVersion::ControlPanelFile))
        return;
    if (!basVersion::IsPs2Build)
        SetKeyPreview(true); // Ctrl+K must reach the window whichever control has the focus
    if (!BasGlobal::LoadIdentityOrEnd(*this))
        return;
    ShowHead();
    ApplySupportFiles();

    Hourglass busy;
    if (!OpenController())
        return;
    FillSummaries();
    FillCalibrationList();
    BasGlobal::CenterForm(*this);
    BasGlobal::CenterIcon(chrome.picIcon, chrome.imgIcon);
}

void frmMain::LayOutBuild() {
    const int rowHeight = cmdCalibration.Top() - cmdSleepTime.Top();
    const auto moveCalibrationRowTo = [this](int top) {
        cmdCalibration.SetTop(top);
        shpCalibration.SetTop(top);
        cmdSupport.SetTop(top);
        cmdExit.SetTop(top);
        cboCalibration.SetTop(shpCalibration.Top() + ComboInset);
    };
    if (basVersion::IsPs2Build) {
        lblDetection.Move(lblDetection.Left() + cmdSerialPort.Left() - shpDetection.Left(),
                          lblDetection.Top() + cmdSerialPort.Top() - shpDetection.Top());
        lblDetection.SetEnabled(true);
        lblDetection.SetVisible(true);
        shpDetection.Move(cmdSerialPort.Left(), cmdSerialPort.Top());
        shpDetection.SetVisible(true);
        Remove(cmdSerialPort);
        Remove(cmdSleepTime);
        Remove(lblSleepTime);
        shpSleepTime.SetVisible(false);
        moveCalibrationRowTo(cmdSleepTime.Top());
    } else {
        Remove(cmdMouseSpeed);
        shpMouseSpeed.SetVisible(false);
        Remove(lblMouseSpeed);
        moveCalibrationRowTo(cmdSleepTime.Top());
        cmdSleepTime.SetTop(cmdMouseSpeed.Top());
        shpSleepTime.SetTop(shpMouseSpeed.Top());
        lblSleepTime.SetTop(lblMouseSpeed.Top());
    }
    SetHeight(Height() - rowHeight);
}

// The head as this window shows it now, with the branding found at start,
// becomes the head of every window of the program.
void frmMain::ShowHead() {
    basMain::Head = {Caption(), chrome.lblSystem.Caption(), basLOGO::LoadBranding(),
                     chrome.imgIcon.Picture()};
    chrome.Apply(basMain::Head);
}

void frmMain::ApplySupportFiles() {
    basMain::VenderBitmapPath.clear();
    if (BasGlobal::FileExists(basOEM::InstallPath + "\\" + basVersion::VenderCutFile)) {
        cmdSupport.SetCaption("");
        cmdSupport.SetEnabled(false);
        return;
    }
    basMain::VenderBitmapPath = basOEM::InstallPath + "\\" + basVersion::VenderBitmapFile;
    if (!BasGlobal::FileExists(basMain::VenderBitmapPath))
        cmdSupport.SetCaption("&About");
}

bool frmMain::OpenController() {
    if (!BasGlobal::OpenDevice()) {
        forms::SetScreenMousePointer(forms::MousePointer::Default);
        BasGlobal::ReportOpenFailure(Caption().c_str());
        forms::EndProgram();
        return false;
    }
    BasGlobal::GetDeviceRecord();
    if (BasGlobal::Device.ComPort != 0)
        return true;
    forms::SetScreenMousePointer(forms::MousePointer::Default);
    BasGlobal::ShowErrorBox(ControllerNotFoundText, Caption());
    BasGlobal::CloseDevice();
    forms::EndProgram();
    return false;
}

void frmMain::FillSummaries() {
    using basMain::SummaryRow;
    for (SummaryRow row :
         {SummaryRow::SerialPort, SummaryRow::VirtualButton, SummaryRow::FeedbackSound,
          SummaryRow::MouseSpeed, SummaryRow::Sensitivity})
        basMain::ShowSummary(row);
    if (!basVersion::IsPs2Build)
        basMain::ShowSummary(SummaryRow::SleepTime);
}

void frmMain::FillCalibrationList() {
    basOEM::LoadCalibrationMode(); // a missing or mistyped value keeps the index
    for (const char* item : CalibrationItems)
        cboCalibration.AddItem(item);
    if (basOEM::CalibrationMode < 0 || basOEM::CalibrationMode >= cboCalibration.ListCount())
        basOEM::CalibrationMode = 0;
    // The selection event stores the index back.
    cboCalibration.SetListIndex(basOEM::CalibrationMode);
}

void frmMain::Form_Unload(bool&) {
    BasGlobal::CloseDevice();
}

// ---- events ----

void frmMain::ShowPage(forms::Form& page) {
    Hourglass busy;
    page.Show();
    KeepOneWindowUp(page);
}

void frmMain::HideAndShow(forms::Form& window) {
    Hourglass busy;
    Hide();
    window.Show();
    KeepOneWindowUp(window);
}

// A window that closed again while it was being opened has already asked
// for this one; it must not stay hidden then.
void frmMain::KeepOneWindowUp(forms::Form& opened) {
    if (forms::EndRequested())
        return;
    if (opened.IsLoaded())
        Hide();
    else
        Show();
}

void frmMain::cmdSerialPort_Click() {
    ShowPage(frmSerialPortForm());
}

void frmMain::cmdVirtualButton_Click() {
    ShowPage(frmVirtualButtonForm());
}

void frmMain::cmdFeedbackSound_Click() {
    ShowPage(frmFeedbackSoundForm());
}

void frmMain::cmdMouseSpeed_Click() {
    ShowPage(frmMouseSpeedForm());
}

void frmMain::cmdSleepTime_Click() {
    ShowPage(frmSleepTimeForm());
}

void frmMain::cmdSensivitity_Click() {
    ShowPage(frmSensitivityForm());
}

void frmMain::cmdCalibration_Click() {
    HideAndShow(frmCalibrationForm());
}

void frmMain::cmdTest_Click() {
    HideAndShow(frmTestForm());
}

// The bitmap is looked for again: it may have gone since the start.
void frmMain::cmdSupport_Click() {
    if (BasGlobal::FileExists(basMain::VenderBitmapPath))
        HideAndShow(frmSupportForm());
    else
        HideAndShow(frmAboutForm());
}

void frmMain::imgIcon_DblClick() {
    HideAndShow(frmAboutForm());
}

void frmMain::cmdExit_Click() {
    Unload();
    forms::EndProgram();
}

void frmMain::cmdExit_MouseDown(int button, int shift, int, int) {
    if (IsHiddenGesture(button, shift))
        ShowPage(frmTestForm());
}

void frmMain::cmdSerialPort_MouseDown(int button, int shift, int, int) {
    if (IsHiddenGesture(button, shift))
        ShowPage(frmMcuInfoForm());
}

void frmMain::cboCalibration_Click() {
    basOEM::CalibrationMode = cboCalibration.ListIndex();
    basOEM::SaveCalibrationMode();
}

// Ctrl+K opens the mouse speed page, whose row the serial build hides.
void frmMain::Form_KeyDown(int& keyCode, int shift) {
    if (basVersion::IsPs2Build || !IsMouseSpeedKey(keyCode, shift))
        return;
    keyCode = 0;
    if (cmdMouseSpeed.OnClick)
        cmdMouseSpeed.OnClick();
}

void frmMain::cmdSMIon_Click() {
    basPostMesg::StartSmi();
}

void frmMain::cmdSMIoff_Click() {
    basPostMesg::QuitSmi();
}
