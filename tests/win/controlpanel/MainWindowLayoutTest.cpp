// Where the main window's controls stand in each build, what its summaries
// say about the controller's record, and whether the texts of every window
// of the control panel show whole.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "LayoutCheck.h"
#include "MainWindowFixture.h"
#include "basVersion.h"
#include "forms/FontInfo.h"
#include "forms/Screen.h"
#include "frmAbout.h"
#include "frmCOMxSet.h"
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

namespace cptest {
namespace {

struct Box {
    int left, top, width, height;
};

void ExpectAt(const forms::Control& control, Box expected) {
    EXPECT_EQ(expected.left, control.Left()) << control.Name() << " left";
    EXPECT_EQ(expected.top, control.Top()) << control.Name() << " top";
    EXPECT_EQ(expected.width, control.Width()) << control.Name() << " width";
    EXPECT_EQ(expected.height, control.Height()) << control.Name() << " height";
}

void ExpectTop(const forms::Control& control, int top) {
    EXPECT_EQ(top, control.Top()) << control.Name() << " top";
}

void ExpectShown(const forms::Control& control) {
    EXPECT_TRUE(control.Visible()) << control.Name() << " visible";
    EXPECT_TRUE(control.Enabled()) << control.Name() << " enabled";
}

void ExpectRemoved(const forms::Control& control) {
    EXPECT_FALSE(control.Visible()) << control.Name() << " visible";
    EXPECT_FALSE(control.Enabled()) << control.Name() << " enabled";
}

using MainWindowLayout = MainWindowTest;

// Every window of the control panel, opened as the program opens it, with
// the longest texts its controls take: what the layout check finds there.
// The same table runs in a prefix at 96 DPI and in one at 120 DPI.
using Faults = std::vector<std::string>;
struct Window {
    const char* name;
    std::function<Faults()> check;
};

template <typename Form> std::function<Faults()> Shown(Form& (*window)()) {
    return [window] {
        window().Show();
        Faults faults = wintest::LayoutFaults(window());
        window().Unload();
        return faults;
    };
}

// Shown, the calibration waits for touches: it is checked from within its
// run, which the check then closes.
Faults calibrationFaults;

void CALLBACK CheckCalibration(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    frmCalibration& form = frmCalibrationForm();
    calibrationFaults = wintest::LayoutFaults(form);
    PostMessageA(form.hWnd(), WM_CLOSE, 0, 0);
}

Faults CheckedCalibration() {
    calibrationFaults = {"the calibration window was not checked while it ran"};
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, CheckCalibration);
    frmCalibrationForm().Show();
    KillTimer(nullptr, timer);
    return calibrationFaults;
}

// The summaries keep the system's font size: they fit without shrinking.
Faults CheckedMain() {
    frmMain& main = frmMainForm();
    Faults faults = wintest::LayoutFaults(main);
    for (const forms::Label* summary :
         {&main.lblSerialPort, &main.lblVirtualButton, &main.lblFeedbackSound, &main.lblMouseSpeed,
          &main.lblSleepTime})
        if (summary->FontSize() != forms::FontInfo::Default().size)
            faults.push_back(summary->Name() + " shrunk to " + std::to_string(summary->FontSize()) +
                             " points");
    return faults;
}

const Window Windows[] = {
    {"main", CheckedMain},
    {"serial port", Shown(frmSerialPortForm)},
    {"IRQ set-up", Shown(frmCOMxSetForm)},
    {"virtual button", Shown(frmVirtualButtonForm)},
    {"feedback sound", Shown(frmFeedbackSoundForm)},
    {"mouse speed", Shown(frmMouseSpeedForm)},
    {"power save", Shown(frmSleepTimeForm)},
    {"sensitivity", Shown(frmSensitivityForm)},
    {"controller information", Shown(frmMcuInfoForm)},
    {"support", Shown(frmSupportForm)},
    {"about", Shown(frmAboutForm)},
    {"calibration", CheckedCalibration},
    {"draw test", Shown(frmTestForm)},
};

// The fonts differ from system to system and with the screen resolution; a
// caption cut short by its control or by a window around it must show up
// here, not on the user's screen.
TEST_F(MainWindowLayout, EveryTextShowsWholeAndEveryWindowFitsASmallScreen) {
    PutInstallFile("TSVender.Bmp"); // the support window shows it
    DeviceRecord record = CurrentRecord();
    record.VirtualButton = 4; // the longest summaries
    record.RightButtonFunction = 1;
    record.RightButtonAutoMode = 1;
    record.FeedbackSound = 4;
    record.MouseHSpeed = 20;
    record.MouseVSpeed = 20;
    ASSERT_TRUE(sim.PresetRecord(record));
    OpenMain();
    for (const Window& window : Windows) {
        SCOPED_TRACE(window.name);
        for (const std::string& fault : window.check())
            ADD_FAILURE() << fault;
    }
}

TEST_F(MainWindowLayout, HeadRowsAndHiddenControlsStandAsDesigned) {
    frmMain& main = OpenMain();

    EXPECT_EQ(basVersion::ControlPanelTitle, main.Caption());
    EXPECT_EQ(std::string("TouchScreen Control Panel Version ") + basVersion::VersionText,
              main.chrome.lblSystem.Caption());
    ExpectAt(main.chrome.picLogo, {480, 360, 4740, 780});
    ExpectAt(main.chrome.picIcon, {5280, 360, 780, 780});
    EXPECT_EQ(0, main.chrome.lblSystem.Left());
    // Its last row on the logo box's last, at pixel 39.
    EXPECT_EQ(585, main.chrome.lblSystem.Top());

    ExpectAt(main.cmdVirtualButton, {480, 2100, 1695, 435});
    ExpectAt(main.shpVirtualButton, {2280, 2100, 4005, 435});
    EXPECT_EQ(2400, main.lblVirtualButton.Left());
    EXPECT_EQ(2220, main.lblVirtualButton.Top());
    ExpectAt(main.cmdFeedbackSound, {480, 2700, 1695, 435});
    ExpectTop(main.lblFeedbackSound, 2820);

    // The calibration row always ends up one row higher.
    ExpectAt(main.cmdCalibration, {480, 3900, 1695, 435});
    // The list wide enough for its items.
    ExpectAt(main.shpCalibration, {2280, 3900, 1830, 435});
    EXPECT_EQ(2340, main.cboCalibration.Left());
    EXPECT_EQ(3960, main.cboCalibration.Top());
    EXPECT_EQ(1710, main.cboCalibration.Width());
    ExpectAt(main.cmdSupport, {4215, 3900, 990, 435});
    ExpectAt(main.cmdExit, {5310, 3900, 975, 435});
    // The window lost one row: less than a row's height is left below the last one.
    const int spare =
        main.ScaleHeight() - (main.cmdCalibration.Top() + main.cmdCalibration.Height());
    EXPECT_GT(spare, 0);
    EXPECT_LT(spare, 600);

    for (const forms::Control* hidden : {static_cast<const forms::Control*>(&main.cmdSensivitity),
                                         static_cast<const forms::Control*>(&main.lblSensitivity),
                                         static_cast<const forms::Control*>(&main.cmdTest),
                                         static_cast<const forms::Control*>(&main.cmdSMIon),
                                         static_cast<const forms::Control*>(&main.cmdSMIoff)})
        ExpectRemoved(*hidden);
    EXPECT_FALSE(main.shpSensitivity.Visible());

    // Centred, its middle at 42.5 % of the screen height (to the pixel).
    EXPECT_NEAR(forms::ScreenWidth() / 2 - main.Width() / 2, main.Left(), forms::TwipsPerPixelX());
    EXPECT_NEAR(forms::ScreenHeight() * 85 / 200 - main.Height() / 2, main.Top(),
                forms::TwipsPerPixelY());
}

TEST_F(MainWindowLayout, EachBuildRemovesItsRow) {
    frmMain& main = frmMainForm();
    OpenMain();
    if (!basVersion::IsPs2Build) {
        ExpectRemoved(main.cmdMouseSpeed);
        ExpectRemoved(main.lblMouseSpeed);
        EXPECT_FALSE(main.shpMouseSpeed.Visible());
        ExpectAt(main.cmdSerialPort, {480, 1500, 1695, 435});
        ExpectShown(main.cmdSerialPort);
        // Power save takes the place of the mouse speed row.
        ExpectAt(main.cmdSleepTime, {480, 3300, 1695, 435});
        ExpectAt(main.shpSleepTime, {2280, 3300, 4005, 435});
        ExpectTop(main.lblSleepTime, 3420);
        ExpectShown(main.cmdSleepTime);
        ExpectShown(main.lblSleepTime);
        EXPECT_FALSE(main.shpDetection.Visible());
        EXPECT_FALSE(main.lblDetection.Visible());
        EXPECT_TRUE(main.KeyPreview()) << "Ctrl+K needs the keys before the controls";
        return;
    }
    // The detection indicator stands where the serial port button was.
    ExpectRemoved(main.cmdSerialPort);
    ExpectAt(main.shpDetection, {480, 1500, 1695, 435});
    EXPECT_TRUE(main.shpDetection.Visible());
    EXPECT_TRUE(main.lblDetection.Visible());
    ExpectAt(main.lblDetection, {600, 1620, 1455, 195}); // the frame's inside
    ExpectRemoved(main.cmdSleepTime);
    ExpectRemoved(main.lblSleepTime);
    EXPECT_FALSE(main.shpSleepTime.Visible());
    ExpectAt(main.cmdMouseSpeed, {480, 3300, 1695, 435});
    ExpectAt(main.shpMouseSpeed, {2280, 3300, 4005, 435});
    ExpectTop(main.lblMouseSpeed, 3420);
    ExpectShown(main.cmdMouseSpeed);
    EXPECT_FALSE(main.KeyPreview());
}

TEST_F(MainWindowLayout, SummariesShowThePresetRecord) {
    DeviceRecord record = CurrentRecord();
    record.ComPort = 2;
    record.BasePort = 0x2F8;
    record.Irq = 3;
    record.BaudRate = 6;
    record.PowerDownTime = 9;
    record.VirtualButton = 4;
    record.RightButtonFunction = 1;
    record.RightButtonAutoMode = 1;
    record.FeedbackSound = 4;
    record.Sensitivity = 120;
    record.MouseHSpeed = 10;
    record.MouseVSpeed = 12;
    record.MouseAcceleration = 3;
    record.MouseBypass = 0;
    ASSERT_TRUE(sim.PresetRecord(record));

    frmMain& main = OpenMain();
    if (basVersion::IsPs2Build) {
        EXPECT_EQ("TouchScreen or Mouse found on PS/2 port", main.lblSerialPort.Caption());
        EXPECT_EQ("Disable Power Down Function", main.lblSleepTime.Caption())
            << "the PS/2 build leaves the hidden power save summary as designed";
    } else {
        EXPECT_EQ("COM2, Port=02F8, IRQ=3, (19200,N,8,1)", main.lblSerialPort.Caption());
        EXPECT_EQ("Power Down When Idle  1 Min.  30 Sec.", main.lblSleepTime.Caption());
    }
    EXPECT_EQ("Drag Drop Mode, RBF Enable ( Automatic Mode )", main.lblVirtualButton.Caption());
    EXPECT_EQ("Both Touch Down && Lift Off", main.lblFeedbackSound.Caption());
    EXPECT_EQ("Level 7", main.lblSensitivity.Caption());
    EXPECT_EQ("HS=50%, VS=60%, Acceleration=Fast", main.lblMouseSpeed.Caption());

    // Every visible summary stays inside its frame, whatever the font.
    for (auto [summary, frame] : {std::pair{&main.lblSerialPort, &main.shpSerialPort},
                                  std::pair{&main.lblVirtualButton, &main.shpVirtualButton},
                                  std::pair{&main.lblFeedbackSound, &main.shpFeedbackSound}})
        EXPECT_LE(summary->Left() + summary->Width(), frame->Left() + frame->Width())
            << summary->Name();
}

} // namespace
} // namespace cptest
