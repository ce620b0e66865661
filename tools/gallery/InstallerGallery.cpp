// The driver installation program: its progress window and its boxes.
#include <gtest/gtest.h>

#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

using Installer = Gallery;

// Without the installation identity the progress window stays up behind the
// failure box; the box is moved aside for the progress window's picture.
TEST_F(Installer, ProgressWindowAndMissingInstallation) {
    e2e::ClearSettingsKey();
    const DWORD id = Start(basVersion::InstallerFile).Id();
    const e2e::MessageBoxInfo box = ShootMessageBox(id, "box-install-no-installation");
    ASSERT_TRUE(box.window);
    SetWindowPos(box.window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Shoot(e2e::WaitForForm(id, "frmMessage"), "install-progress"));
}

// The serial build's last word before the restart. The box is not answered:
// the program is ended with the scenario, so the session goes on.
TEST_F(Installer, FinishedBox) {
    if (basVersion::IsPs2Build)
        GTEST_SKIP() << "the PS/2 build ends without a box";
    const DWORD id = Start(basVersion::InstallerFile).Id();
    ShootMessageBox(id, "box-install-finished");
}

} // namespace
} // namespace gallery
