// The removal program: its confirmation, its progress window and the serial
// build's last box. Nothing is answered that would restart the session.
#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

void ConfirmationProgressAndFinish(Gallery& g) {
    // The uninstaller probe of the test tools plays the uninstaller.
    const std::string folder = g.UseInstallFolder("gallery_uninstall");
    if (!e2e::Check("the uninstaller probe copied as unins000.exe",
                    CopyFileA((e2e::DeliverDir() + "\\..\\tools\\UninstallerProbe.exe").c_str(),
                              (folder + "\\unins000.exe").c_str(), FALSE) != FALSE))
        return;
    HWND main = g.StartForm(basVersion::RemovalFile, "frmMain");
    if (!Shoot(main, "removal"))
        return;
    e2e::ClickButton(e2e::WaitForControl(main, "cmdYes"));
    // The progress window stands for 3 seconds before the uninstaller starts.
    Shoot(e2e::WaitForForm(g.LastId(), "frmMessage"), "removal-progress");
    if (basVersion::IsPs2Build)
        return;
    // The uninstaller's wait and the 10 seconds after it.
    constexpr DWORD FinishMs = 30000;
    const e2e::MessageBoxInfo box = e2e::WaitForMessageBox(g.LastId(), FinishMs);
    Shoot(box.window, "box-removal-finished");
}

// An install folder without the uninstaller.
void UninstallerMissing(Gallery& g) {
    g.UseInstallFolder("gallery_empty");
    HWND main = g.StartForm(basVersion::RemovalFile, "frmMain");
    if (!e2e::Check("removal window shown", main != nullptr))
        return;
    e2e::ClickButton(e2e::WaitForControl(main, "cmdYes"));
    constexpr DWORD PauseMs = 15000; // 3 seconds of progress first
    const e2e::MessageBoxInfo box = e2e::WaitForMessageBox(g.LastId(), PauseMs);
    Shoot(box.window, "box-removal-no-uninstaller");
}

} // namespace

std::vector<e2e::Step> RemovalScenes() {
    return {
        OnStage("Removal.ConfirmationProgressAndFinish", ConfirmationProgressAndFinish),
        OnStage("Removal.UninstallerMissing", UninstallerMissing),
    };
}

} // namespace gallery
