// The startup agent: its double-click settings window (/SDC) and the window
// it shows while it works at logon.
#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

void DoubleClickSettingsWindow(Gallery& g) {
    Shoot(g.StartForm(basVersion::StartupAgentFile, "frmMain", SW_SHOWNORMAL, "/SDC"),
          "startup-doubleclick");
}

// The logon run shows its window for about a second; without a controller
// it stays up behind the failure box, which is moved aside for the picture.
void LogonWindowAndNoController(Gallery& g) {
    if (!e2e::Check("controller taken away", g.Sim().SetPresent(false)))
        return;
    const DWORD id = g.Start(basVersion::StartupAgentFile).Id();
    const e2e::MessageBoxInfo box = ShootMessageBox(id, "box-startup-no-controller");
    if (!box.window)
        return;
    SetWindowPos(box.window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Shoot(e2e::WaitForForm(id, "frmMain"), "startup-logon");
}

} // namespace

std::vector<e2e::Step> StartupScenes() {
    return {
        OnStage("Startup.DoubleClickSettingsWindow", DoubleClickSettingsWindow),
        OnStage("Startup.LogonWindowAndNoController", LogonWindowAndNoController),
    };
}

} // namespace gallery
