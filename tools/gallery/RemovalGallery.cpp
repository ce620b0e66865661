// The removal program: its confirmation, its progress window and the serial
// build's last box. Nothing is answered that would restart the session.
#include <gtest/gtest.h>

#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

using Removal = Gallery;

TEST_F(Removal, ConfirmationProgressAndFinish) {
    // The uninstaller probe of the test tools plays the uninstaller.
    const std::string folder = UseInstallFolder("gallery_uninstall");
    ASSERT_TRUE(CopyFileA((e2e::DeliverDir() + "\\..\\tools\\UninstallerProbe.exe").c_str(),
                          (folder + "\\unins000.exe").c_str(), FALSE));
    HWND main = StartForm(basVersion::RemovalFile, "frmMain");
    ASSERT_TRUE(Shoot(main, "removal"));
    e2e::ClickButton(e2e::WaitForControl(main, "cmdYes"));
    // The progress window stands for 3 seconds before the uninstaller starts.
    EXPECT_TRUE(Shoot(e2e::WaitForForm(LastId(), "frmMessage"), "removal-progress"));
    if (basVersion::IsPs2Build)
        return;
    // The uninstaller's wait and the 10 seconds after it.
    constexpr DWORD FinishMs = 30000;
    const e2e::MessageBoxInfo box = e2e::WaitForMessageBox(LastId(), FinishMs);
    EXPECT_TRUE(Shoot(box.window, "box-removal-finished"));
}

// An install folder without the uninstaller.
TEST_F(Removal, UninstallerMissing) {
    UseInstallFolder("gallery_empty");
    HWND main = StartForm(basVersion::RemovalFile, "frmMain");
    ASSERT_TRUE(main);
    e2e::ClickButton(e2e::WaitForControl(main, "cmdYes"));
    constexpr DWORD PauseMs = 15000; // 3 seconds of progress first
    const e2e::MessageBoxInfo box = e2e::WaitForMessageBox(LastId(), PauseMs);
    EXPECT_TRUE(Shoot(box.window, "box-removal-no-uninstaller"));
}

} // namespace
} // namespace gallery
