// The running control panel's main window seen from outside: the layout of
// each build, the summaries, the calibration choice, the Support button and
// a hidden gesture.
#include <string>

#include "ControlPanelScenario.h"
#include "basVersion.h"

namespace cptest {
namespace {

using ControlPanelWindow = ControlPanelScenario;

bool Shown(HWND control) {
    return control && IsWindowVisible(control);
}

// The selected item of a drop-down list. GetWindowText does not ask a window
// of another process for its text, so the list is asked itself.
std::string SelectedText(HWND list) {
    char text[64] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(list, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, e2e::DefaultTimeoutMs, &copied);
    return std::string(text, copied);
}

TEST_F(ControlPanelWindow, EachBuildShowsItsRows) {
    ASSERT_TRUE(StartPanel());
    const int rowTop[] = {PixelsY(1500), PixelsY(2100), PixelsY(2700), PixelsY(3300),
                          PixelsY(3900)};
    EXPECT_EQ(rowTop[1], PlaceInForm(Control("cmdVirtualButton")).top);
    EXPECT_EQ(rowTop[2], PlaceInForm(Control("cmdFeedbackSound")).top);
    for (const char* row : {"cmdCalibration", "cmdSupport", "cmdExit"}) {
        EXPECT_TRUE(Shown(Control(row))) << row;
        EXPECT_EQ(rowTop[4], PlaceInForm(Control(row)).top) << row << " moved up one row";
    }
    for (const char* hidden : {"cmdSensivitity", "cmdTest", "cmdSMIon", "cmdSMIoff"})
        EXPECT_FALSE(Shown(Control(hidden))) << hidden;

    if (!basVersion::IsPs2Build) {
        for (const char* removed :
             {"cmdMouseSpeed", "lblMouseSpeed", "shpMouseSpeed", "shpDetection", "lblDetection"})
            EXPECT_FALSE(Shown(Control(removed))) << removed;
        EXPECT_TRUE(Shown(Control("cmdSerialPort")));
        EXPECT_EQ(rowTop[0], PlaceInForm(Control("cmdSerialPort")).top);
        EXPECT_TRUE(Shown(Control("cmdSleepTime")));
        EXPECT_EQ(rowTop[3], PlaceInForm(Control("cmdSleepTime")).top)
            << "power save takes the mouse speed row";
        return;
    }
    for (const char* removed : {"cmdSerialPort", "cmdSleepTime", "lblSleepTime", "shpSleepTime"})
        EXPECT_FALSE(Shown(Control(removed))) << removed;
    HWND detection = Control("shpDetection");
    EXPECT_TRUE(Shown(detection));
    EXPECT_TRUE(Shown(Control("lblDetection")));
    EXPECT_EQ("Detection", e2e::TextOf(Control("lblDetection")));
    EXPECT_EQ(rowTop[0], PlaceInForm(detection).top) << "where the serial port button was";
    EXPECT_EQ(PixelsX(480), PlaceInForm(detection).left);
    EXPECT_TRUE(Shown(Control("cmdMouseSpeed")));
    EXPECT_EQ(rowTop[3], PlaceInForm(Control("cmdMouseSpeed")).top);
}

TEST_F(ControlPanelWindow, SummariesShowThePresetRecord) {
    DeviceRecord record = e2e::ReadState(Sim()).Record;
    record.ComPort = 3;
    record.BasePort = 0x3E8;
    record.Irq = 4;
    record.BaudRate = 11;
    record.PowerDownTime = 30;
    record.VirtualButton = 2;
    record.RightButtonFunction = 0;
    record.FeedbackSound = 1;
    record.MouseBypass = 1;
    ASSERT_TRUE(Sim().PresetRecord(record));
    ASSERT_TRUE(StartPanel());

    if (basVersion::IsPs2Build) {
        EXPECT_EQ("TouchScreen or Mouse found on PS/2 port", e2e::TextOf(Control("lblSerialPort")));
    } else {
        EXPECT_EQ("COM3, Port=03E8, IRQ=4, (115200,N,8,1)", e2e::TextOf(Control("lblSerialPort")));
        EXPECT_EQ("Power Down When Idle  5 Min. ", e2e::TextOf(Control("lblSleepTime")));
    }
    EXPECT_EQ("Lift Off Mode, RBF Disable", e2e::TextOf(Control("lblVirtualButton")));
    EXPECT_EQ("Silence ( No Sound )", e2e::TextOf(Control("lblFeedbackSound")));
    EXPECT_EQ("Enable Bypass Mode", e2e::TextOf(Control("lblMouseSpeed")));
}

TEST_F(ControlPanelWindow, AStoredModeOutOfRangeShowsTheFirstAndIsWrittenBack) {
    ASSERT_TRUE(e2e::WriteSettingDword("CalibrationMode", 5));
    ASSERT_TRUE(StartPanel());
    EXPECT_EQ(" 4 points, mode 1", SelectedText(Control("cboCalibration")));
    DWORD stored = 0xDEADBEEF;
    EXPECT_TRUE(e2e::ReadSettingDword("CalibrationMode", stored));
    EXPECT_EQ(0u, stored);
}

TEST_F(ControlPanelWindow, TheCutFileBlanksAndDisablesSupport) {
    UseInstallFolder();
    PutInstallFile(basVersion::VenderCutFile);
    PutInstallFile(basVersion::VenderBitmapFile);
    ASSERT_TRUE(StartPanel());
    HWND support = Control("cmdSupport");
    EXPECT_EQ("", e2e::TextOf(support));
    EXPECT_FALSE(IsWindowEnabled(support));
}

TEST_F(ControlPanelWindow, WithoutTheVendorBitmapSupportIsAboutAndOpensIt) {
    UseInstallFolder();
    HWND main = StartPanel();
    ASSERT_TRUE(main);
    HWND support = Control("cmdSupport");
    EXPECT_EQ("&About", e2e::TextOf(support));
    e2e::ClickButton(support);
    HWND about = e2e::WaitForForm(Panel().Id(), "frmAbout");
    EXPECT_TRUE(about && e2e::WaitForVisible(about, true));
    EXPECT_TRUE(e2e::WaitForVisible(main, false)) << "one window at a time";
}

TEST_F(ControlPanelWindow, AVendorBitmapGoneSinceTheStartOpensAbout) {
    UseInstallFolder();
    PutInstallFile(basVersion::VenderBitmapFile);
    HWND main = StartPanel();
    ASSERT_TRUE(main);
    HWND support = Control("cmdSupport");
    EXPECT_EQ("S&upport", e2e::TextOf(support));
    RemoveInstallFile(basVersion::VenderBitmapFile);
    e2e::ClickButton(support);
    HWND about = e2e::WaitForForm(Panel().Id(), "frmAbout");
    EXPECT_TRUE(about && e2e::WaitForVisible(about, true));
    EXPECT_FALSE(Shown(e2e::FindForm(Panel().Id(), "frmSupport")));
}

TEST_F(ControlPanelWindow, MiddleButtonWithCtrlAltOnExitOpensTheDrawTest) {
    HWND main = StartPanel();
    ASSERT_TRUE(main);
    HWND exit = Control("cmdExit");
    {
        e2e::HeldModifiers held(main, e2e::Ctrl | e2e::Alt);
        e2e::MousePress(exit, e2e::MouseButton::Middle, e2e::Ctrl);
        HWND test = e2e::WaitForForm(Panel().Id(), "frmTest");
        EXPECT_TRUE(test && e2e::WaitForVisible(test, true));
    }
    EXPECT_TRUE(e2e::WaitForVisible(main, false));
    EXPECT_TRUE(Panel().IsRunning()) << "the gesture is no Exit";
}

} // namespace
} // namespace cptest
