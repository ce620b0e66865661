// The settings window's states: when Apply lights up, what Apply hands over,
// the lamp of the test area, the about window and the logon run's window,
// and the layout of all three.
#include <string>

#include "BasMain.h"
#include "LayoutCheck.h"
#include "Settings.h"
#include "basVersion.h"
#include "StartupTestSupport.h"
#include "forms/Runtime.h"
#include "frmAbout.h"
#include "frmMain.h"

namespace aotest {
namespace {

class SettingsWindow : public StartupTest {
  protected:
    // Stores `stored` and opens the window as /SDC opens it.
    frmMain& Open(const StartupRules::DoubleClick& stored, bool settingsSwitch = true) {
        EXPECT_TRUE(e2e::WriteSettingDword("DoubleClickSpeed", stored.time));
        EXPECT_TRUE(e2e::WriteSettingDword("DoubleClickWidth", stored.width));
        EXPECT_TRUE(e2e::WriteSettingDword("DoubleClickHeight", stored.height));
        BasMain::SwitchSDC = settingsSwitch;
        frmMain& window = frmMainForm();
        window.Show();
        EXPECT_TRUE(window.IsLoaded() && window.Visible());
        return window;
    }
};

void Click(forms::CommandButton& button) {
    if (IsWindowEnabled(button.hWnd()))
        SendMessageA(button.hWnd(), BM_CLICK, 0, 0);
    forms::DoEvents();
}

void DoubleClick(forms::Image& image) {
    HWND window = image.hWnd();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    forms::DoEvents();
}

TEST_F(SettingsWindow, ApplyStaysOffWhileEverythingEqualsTheStoredValues) {
    frmMain& window = Open(BasMain::SystemDoubleClick());
    EXPECT_FALSE(window.cmdApply.Enabled());

    window.hscWW.SetValue(window.hscWW.Value() + 1);
    EXPECT_TRUE(window.cmdApply.Enabled());
    window.hscWW.SetValue(window.hscWW.Value() - 1);
    EXPECT_FALSE(window.cmdApply.Enabled()) << "moved back";

    window.hscHH.SetValue(20);
    EXPECT_EQ("Hight: 20", window.lblHH.Caption());
    window.hscTT.SetValue(350);
    EXPECT_EQ("Speed: 350", window.lblTT.Caption());
    EXPECT_TRUE(window.cmdApply.Enabled());
    EXPECT_TRUE(mouse.parameters.empty()) << "nothing applied before Apply";
}

TEST_F(SettingsWindow, ApplyLightsWhenWindowsDiffersAndHandsTheBarsOver) {
    StartupRules::DoubleClick stored = BasMain::SystemDoubleClick();
    stored.time = stored.time == 700 ? 600 : 700;
    frmMain& window = Open(stored);
    EXPECT_EQ(std::to_string(window.ShownSystem().time), window.lblSiTT.Caption());
    EXPECT_EQ(static_cast<int>(stored.time), window.hscTT.Value());
    EXPECT_TRUE(window.cmdApply.Enabled()) << "Windows uses another time";

    window.hscWW.SetValue(12);
    Click(window.cmdApply);
    const std::vector<std::pair<UINT, UINT>> parameters = {{SPI_SETDOUBLECLKWIDTH, 12},
                                                           {SPI_SETDOUBLECLKHEIGHT, stored.height},
                                                           {SPI_SETDOUBLECLICKTIME, stored.time}};
    EXPECT_EQ(parameters, mouse.parameters);
    DWORD width = 0;
    EXPECT_TRUE(e2e::ReadSettingDword("DoubleClickWidth", width));
    EXPECT_EQ(12u, width);
    EXPECT_FALSE(window.cmdApply.Enabled());

    mouse.parameters.clear();
    Click(window.cmdOK);
    EXPECT_TRUE(mouse.parameters.empty()) << "OK with Apply off applies nothing again";
    EXPECT_FALSE(window.IsLoaded());
}

TEST_F(SettingsWindow, ADoubleClickSwitchesTheLampAndTheTestArea) {
    frmMain& window = Open(StartupRules::Defaults);
    EXPECT_TRUE(window.imgOFF.Visible() && window.imgOFF.Enabled());
    EXPECT_FALSE(window.imgON.Visible() || window.imgON.Enabled());
    EXPECT_EQ(forms::Rgb(250, 250, 250), window.picTest.BackColor());
    EXPECT_EQ(window.imgON.Left(), window.imgOFF.Left());
    EXPECT_NEAR(window.picTest.ScaleWidth() / 2.0,
                window.imgOFF.Left() + window.imgOFF.Width() / 2.0, 15.0)
        << "the lamp in the middle";

    DoubleClick(window.imgOFF);
    EXPECT_TRUE(window.imgON.Visible() && window.imgON.Enabled());
    EXPECT_FALSE(window.imgOFF.Visible());
    EXPECT_EQ(forms::Rgb(0, 0, 255), window.picTest.BackColor());
    DoubleClick(window.imgON);
    EXPECT_TRUE(window.imgOFF.Visible());
    EXPECT_EQ(forms::Rgb(250, 250, 250), window.picTest.BackColor());
}

TEST_F(SettingsWindow, TheIconOpensTheAboutWindowWhichComesBackHere) {
    frmMain& window = Open(StartupRules::Defaults);
    DoubleClick(window.chrome.imgIcon);
    frmAbout& about = frmAboutForm();
    ASSERT_TRUE(about.IsLoaded() && about.Visible());
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(window.chrome.lblSystem.Caption(), about.chrome.lblSystem.Caption());
    EXPECT_EQ(window.chrome.lblOemTitle.Caption(), about.chrome.lblOemTitle.Caption());
    EXPECT_EQ(" About", about.Caption());

    Click(about.cmdOK);
    EXPECT_FALSE(about.IsLoaded());
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.hWnd(), GetActiveWindow());
}

TEST_F(SettingsWindow, TheLogonRunShowsOnlyTheHead) {
    frmMain& window = Open(StartupRules::Defaults, false);
    EXPECT_EQ(2025, window.Height());
    EXPECT_FALSE(window.Frame1.Visible() || window.Frame2.Visible() || window.Shape1.Visible());
    EXPECT_TRUE(window.chrome.lblSystem.Visible());
    EXPECT_EQ(std::string("TouchScreen System Startup Version ") + basVersion::VersionText,
              window.chrome.lblSystem.Caption());
}

// The agent's windows, each with its longest texts, in a prefix at 96 DPI and
// in one at 120 DPI: every text shows whole and the window fits a small
// screen.
TEST_F(SettingsWindow, EveryTextShowsWholeAndEveryWindowFitsASmallScreen) {
    const struct {
        const char* name;
        bool settingsSwitch;
        bool about;
    } windows[] = {
        {"double-click settings", true, false}, {"logon run", false, false}, {"about", true, true}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        frmMain& window = Open(StartupRules::Defaults, w.settingsSwitch);
        for (forms::HScrollBar* bar : {&window.hscTT, &window.hscWW, &window.hscHH})
            bar->SetValue(bar->Max());
        forms::Form* shown = &window;
        if (w.about) {
            DoubleClick(window.chrome.imgIcon);
            shown = &frmAboutForm();
        }
        for (const std::string& fault : wintest::LayoutFaults(*shown))
            ADD_FAILURE() << fault;
        if (shown != &window)
            shown->Unload();
        window.Unload();
    }
}

} // namespace
} // namespace aotest
