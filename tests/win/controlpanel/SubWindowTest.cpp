// The routines every other window of the control panel shares with the
// main window: the common set-up at the end of a load, and the way back.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "WindowHead.h"
#include "basMain.h"
#include "basVersion.h"
#include "forms/Forms.h"

namespace cptest {
namespace {

// A sub-window with the shared head.
class frmProbe : public forms::Form {
  public:
    frmProbe() : Form("frmProbe") {
        SetCaption(" Probe");
        Move(0, 0, 4000, 3000);
        head.picLogo.Move(120, 120, 2400, 780);
        head.lblOemTitle.SetCaption("Designed title");
        head.lblSystem.SetCaption("designed");
        head.lblSystem.Move(0, 600, 2000, 195);
        head.picIcon.Move(2640, 120, 780, 780);
    }
    WindowHead head{*this};

  private:
    void Form_Load() override { basMain::PrepareSubWindow(*this, head); }
};

// A window without the head.
class frmBare : public forms::Form {
  public:
    frmBare() : Form("frmBare") { SetCaption(" Bare"); }

  private:
    void Form_Load() override { basMain::PrepareSubWindow(*this); }
};

// To the pixel: positions are kept in whole pixels.
void ExpectCentred(const forms::Form& window) {
    EXPECT_NEAR(forms::ScreenWidth() / 2 - window.Width() / 2, window.Left(),
                forms::TwipsPerPixelX())
        << window.Name();
    EXPECT_NEAR(forms::ScreenHeight() * 85 / 200 - window.Height() / 2, window.Top(),
                forms::TwipsPerPixelY())
        << window.Name();
}

using SubWindow = MainWindowTest;

TEST_F(SubWindow, TakesTheMainTitleVersionLineAndOemTitleAndIsCentred) {
    frmMain& main = OpenMain();
    frmProbe probe;
    ASSERT_TRUE(probe.Load());
    EXPECT_EQ(basVersion::ControlPanelTitle, probe.Caption());
    EXPECT_EQ(main.chrome.lblSystem.Caption(), probe.head.lblSystem.Caption());
    EXPECT_EQ(VenderName, probe.head.lblOemTitle.Caption());
    EXPECT_TRUE(probe.head.lblOemTitle.Visible());
    ExpectCentred(probe);
    EXPECT_EQ((probe.head.picIcon.ScaleWidth() - probe.head.imgIcon.Width()) / 2,
              probe.head.imgIcon.Left());
    EXPECT_EQ((probe.head.picIcon.ScaleHeight() - probe.head.imgIcon.Height()) / 2,
              probe.head.imgIcon.Top());
}

TEST_F(SubWindow, ShowsTheMainWindowsLogoInsteadOfTheTitle) {
    PutInstallFile(basVersion::LogoFile);
    frmMain& main = OpenMain();
    ASSERT_NE(nullptr, main.chrome.picLogo.Picture()) << "the main window shows the logo";
    frmProbe probe;
    ASSERT_TRUE(probe.Load());
    EXPECT_FALSE(probe.head.lblOemTitle.Visible());
    EXPECT_EQ(main.chrome.picLogo.Picture(), probe.head.picLogo.Picture())
        << "the same picture, not a copy";
}

TEST_F(SubWindow, AWindowWithoutTheHeadStillGetsTitleAndPlace) {
    OpenMain();
    frmBare bare;
    ASSERT_TRUE(bare.Load());
    EXPECT_EQ(basVersion::ControlPanelTitle, bare.Caption());
    ExpectCentred(bare);
}

TEST_F(SubWindow, ReturnShowsAndActivatesTheHiddenMainWindow) {
    frmMain& main = OpenMain();
    frmBare bare;
    bare.Show();
    main.Hide();
    basMain::ReturnToMainWindow();
    forms::DoEvents();
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.hWnd(), GetActiveWindow());
}

TEST_F(SubWindow, ReturnDoesNotStartTheMainWindowAgain) {
    basMain::ReturnToMainWindow();
    EXPECT_FALSE(frmMainForm().IsLoaded());
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace
} // namespace cptest
