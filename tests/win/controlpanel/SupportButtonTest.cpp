// The Support button: what the vendor files in the install folder make of it
// at start, and which window it opens.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "basMain.h"
#include "basVersion.h"
#include "forms/Runtime.h"
#include "frmAbout.h"
#include "frmSupport.h"

namespace cptest {
namespace {

using SupportButton = MainWindowTest;

void Click(forms::CommandButton& button) {
    SendMessageA(button.hWnd(), BM_CLICK, 0, 0);
    forms::DoEvents();
}

TEST_F(SupportButton, CutFileBlanksAndDisablesItWhateverElseIsThere) {
    PutInstallFile(basVersion::VenderCutFile);
    PutInstallFile(basVersion::VenderBitmapFile);
    frmMain& main = OpenMain();
    EXPECT_EQ("", main.cmdSupport.Caption());
    EXPECT_FALSE(main.cmdSupport.Enabled());
    EXPECT_FALSE(IsWindowEnabled(main.cmdSupport.hWnd()));
}

TEST_F(SupportButton, WithTheVendorBitmapItOpensTheSupportWindow) {
    PutInstallFile(basVersion::VenderBitmapFile);
    frmMain& main = OpenMain();
    EXPECT_EQ("S&upport", main.cmdSupport.Caption());
    EXPECT_TRUE(main.cmdSupport.Enabled());
    EXPECT_EQ(installDir + "\\TSVender.Bmp", basMain::VenderBitmapPath);

    Click(main.cmdSupport);
    EXPECT_TRUE(frmSupportForm().IsLoaded() && frmSupportForm().Visible());
    EXPECT_FALSE(frmAboutForm().IsLoaded());
    EXPECT_FALSE(main.Visible()) << "one window of the program at a time";
}

TEST_F(SupportButton, WithoutTheBitmapItReadsAboutAndOpensTheAboutWindow) {
    frmMain& main = OpenMain();
    EXPECT_EQ("&About", main.cmdSupport.Caption());
    EXPECT_TRUE(main.cmdSupport.Enabled());

    Click(main.cmdSupport);
    EXPECT_TRUE(frmAboutForm().IsLoaded() && frmAboutForm().Visible());
    EXPECT_FALSE(frmSupportForm().IsLoaded());
    EXPECT_FALSE(main.Visible());
}

TEST_F(SupportButton, ABitmapDeletedAfterTheStartOpensTheAboutWindow) {
    PutInstallFile(basVersion::VenderBitmapFile);
    frmMain& main = OpenMain();
    RemoveInstallFile(basVersion::VenderBitmapFile);

    Click(main.cmdSupport);
    EXPECT_TRUE(frmAboutForm().IsLoaded());
    EXPECT_FALSE(frmSupportForm().IsLoaded());
}

TEST_F(SupportButton, ClosingTheOpenedWindowBringsTheMainWindowBack) {
    frmMain& main = OpenMain();
    Click(main.cmdSupport);
    ASSERT_TRUE(frmAboutForm().IsLoaded());
    frmAboutForm().Unload();
    forms::DoEvents();
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.hWnd(), GetActiveWindow());
}

} // namespace
} // namespace cptest
