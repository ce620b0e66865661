// The driver installation program: its progress window and its boxes.
#include <cstdio>

#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

// Without the installation identity the progress window stays up behind the
// failure box; the box is moved aside for the progress window's picture.
void ProgressWindowAndMissingInstallation(Gallery& g) {
    e2e::ClearSettingsKey();
    const DWORD id = g.Start(basVersion::InstallerFile).Id();
    const e2e::MessageBoxInfo box = ShootMessageBox(id, "box-install-no-installation");
    if (!box.window)
        return;
    SetWindowPos(box.window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Shoot(e2e::WaitForForm(id, "frmMessage"), "install-progress");
}

// The serial build's last word before the restart. The box is not answered:
// the program is ended with the stage, so the session goes on.
void FinishedBox(Gallery& g) {
    if (basVersion::IsPs2Build) {
        printf("  (the PS/2 build ends without a box)\n");
        return;
    }
    const DWORD id = g.Start(basVersion::InstallerFile).Id();
    ShootMessageBox(id, "box-install-finished");
}

} // namespace

std::vector<e2e::Step> InstallerScenes() {
    return {
        OnStage("Installer.ProgressWindowAndMissingInstallation",
                ProgressWindowAndMissingInstallation),
        OnStage("Installer.FinishedBox", FinishedBox),
    };
}

} // namespace gallery
