// The startup agent: its double-click settings window (/SDC) and the window
// it shows while it works at logon.
#include <gtest/gtest.h>

#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

using Startup = Gallery;

TEST_F(Startup, DoubleClickSettingsWindow) {
    EXPECT_TRUE(Shoot(StartForm(basVersion::StartupAgentFile, "frmMain", SW_SHOWNORMAL, "/SDC"),
                      "startup-doubleclick"));
}

// The logon run shows its window for about a second; without a controller
// it stays up behind the failure box, which is moved aside for the picture.
TEST_F(Startup, LogonWindowAndNoController) {
    ASSERT_TRUE(Sim().SetPresent(false));
    const DWORD id = Start(basVersion::StartupAgentFile).Id();
    const e2e::MessageBoxInfo box = ShootMessageBox(id, "box-startup-no-controller");
    ASSERT_TRUE(box.window);
    SetWindowPos(box.window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Shoot(e2e::WaitForForm(id, "frmMain"), "startup-logon"));
}

} // namespace
} // namespace gallery
