// The main window's events: the hidden gestures with their exact modifier
// tests, Ctrl+K, the icon, the page buttons and Exit.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "BasGlobal.h"
#include "MainWindowFixture.h"
#include "basVersion.h"
#include "forms/Runtime.h"
#include "frmAbout.h"
#include "frmMcuInfo.h"
#include "frmSleepTime.h"
#include "frmTest.h"

namespace cptest {
namespace {

using MainWindowEvents = MainWindowTest;

constexpr int Right = 2, Middle = 4;
constexpr int Shift = 1, Ctrl = 2, Alt = 4;

// Button and modifiers that are near the gesture but not it. The left
// button is left out: on a button it is a click.
const std::vector<std::pair<int, int>> NearGestures = {
    {Middle, 0}, {Middle, Ctrl}, {Middle, Alt}, {Middle, Ctrl | Alt | Shift}, {Right, Ctrl | Alt}};

void ExpectGestureOpens(forms::CommandButton& button, forms::Form& window) {
    frmMain& main = frmMainForm();
    for (auto [mouseButton, shift] : NearGestures) {
        PressMouse(button.hWnd(), mouseButton, shift);
        EXPECT_FALSE(window.IsLoaded()) << "button " << mouseButton << ", shift " << shift;
        EXPECT_TRUE(main.Visible()) << "button " << mouseButton << ", shift " << shift;
    }
    PressMouse(button.hWnd(), Middle, Ctrl | Alt);
    EXPECT_TRUE(window.IsLoaded() && window.Visible()) << window.Name();
    EXPECT_FALSE(main.Visible());
}

TEST_F(MainWindowEvents, MiddleButtonWithCtrlAltOnExitOpensTheDrawTest) {
    frmMain& main = OpenMain();
    ExpectGestureOpens(main.cmdExit, frmTestForm());
    EXPECT_TRUE(main.IsLoaded()) << "the gesture must not exit";
}

TEST_F(MainWindowEvents, MiddleButtonWithCtrlAltOnSerialPortOpensMcuInformation) {
    if (basVersion::IsPs2Build)
        GTEST_SKIP() << "the PS/2 build hides the serial port button";
    frmMain& main = OpenMain();
    ExpectGestureOpens(main.cmdSerialPort, frmMcuInfoForm());
}

// Ctrl+K is the click of the mouse speed button; the test puts its own
// handler there to see it reached.
class CtrlK : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        saved_ = frmMainForm().cmdMouseSpeed.OnClick;
        frmMainForm().cmdMouseSpeed.OnClick = [this] { clicks++; };
    }
    void TearDown() override {
        frmMainForm().cmdMouseSpeed.OnClick = saved_;
        MainWindowTest::TearDown();
    }
    int clicks = 0;

  private:
    forms::EventHandler saved_;
};

TEST_F(CtrlK, OpensTheMouseSpeedPageInTheSerialBuildOnly) {
    frmMain& main = OpenMain();
    HWND focused = main.cmdVirtualButton.hWnd();
    main.cmdVirtualButton.SetFocus();
    for (auto [key, shift] : std::vector<std::pair<int, int>>{
             {'K', 0}, {'K', Ctrl | Shift}, {'K', Ctrl | Alt}, {'J', Ctrl}}) {
        PressKey(focused, key, shift);
        EXPECT_EQ(0, clicks) << "key " << char(key) << ", shift " << shift;
    }
    PressKey(focused, 'K', Ctrl);
    PressKey(main.hWnd(), 'K', Ctrl);
    EXPECT_EQ(basVersion::IsPs2Build ? 0 : 2, clicks)
        << "from a control (key preview) and from the window itself";
}

TEST_F(MainWindowEvents, IconDoubleClickOpensTheAboutWindow) {
    frmMain& main = OpenMain();
    ASSERT_NE(nullptr, main.chrome.imgIcon.hWnd());
    SendMessageA(main.chrome.imgIcon.hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(main.chrome.imgIcon.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    forms::DoEvents();
    EXPECT_TRUE(frmAboutForm().IsLoaded() && frmAboutForm().Visible());
    EXPECT_FALSE(main.Visible());
}

TEST_F(MainWindowEvents, PowerSaveOpensItsPageAndTheMainWindowComesBack) {
    if (basVersion::IsPs2Build)
        GTEST_SKIP() << "the PS/2 build has no power save row";
    frmMain& main = OpenMain();
    SendMessageA(main.cmdSleepTime.hWnd(), BM_CLICK, 0, 0);
    forms::DoEvents();
    EXPECT_TRUE(frmSleepTimeForm().IsLoaded() && frmSleepTimeForm().Visible());
    EXPECT_FALSE(main.Visible());
    EXPECT_EQ(main.Caption(), frmSleepTimeForm().Caption()) << "pages carry the main title";

    frmSleepTimeForm().Unload();
    forms::DoEvents();
    EXPECT_TRUE(main.Visible());
}

TEST_F(MainWindowEvents, ExitUnloadsClosesTheDeviceAndEndsTheProgram) {
    frmMain& main = OpenMain();
    ASSERT_NE(INVALID_HANDLE_VALUE, BasGlobal::DeviceHandle);
    SendMessageA(main.cmdExit.hWnd(), BM_CLICK, 0, 0);
    forms::DoEvents();
    EXPECT_FALSE(main.IsLoaded());
    EXPECT_EQ(INVALID_HANDLE_VALUE, BasGlobal::DeviceHandle);
    EXPECT_TRUE(forms::EndRequested());
}

TEST_F(MainWindowEvents, TheCloseBoxClosesTheDevice) {
    frmMain& main = OpenMain();
    SendMessageA(main.hWnd(), WM_CLOSE, 0, 0);
    forms::DoEvents();
    EXPECT_FALSE(main.IsLoaded());
    EXPECT_EQ(INVALID_HANDLE_VALUE, BasGlobal::DeviceHandle);
}

} // namespace
} // namespace cptest
