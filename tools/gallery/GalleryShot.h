// The gallery's pictures: a window (or message box) as it stands on the
// screen, written as <name>-<build letter>.bmp into the folder named by
// TS_SHOTS_DIR (a Unix path); scripts/screenshots.sh turns them into PNGs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Kit.h"

namespace gallery {

// Waits for the window to be shown and painted, then writes its picture and
// prints the check; false, with a failure, when it cannot.
bool Shoot(HWND window, const std::string& name);

// The same for the first message box of the process, which stays open.
e2e::MessageBoxInfo ShootMessageBox(DWORD processId, const std::string& name);

// The stage of the gallery's scenes: the programs run against the simulated
// controller with a prepared settings key, as in the black-box tests.
class Gallery : public e2e::Stage {
  public:
    // Starts a deliverable and waits for its visible form `formName`.
    HWND StartForm(const std::string& fileName, const std::string& formName,
                   int showCommand = SW_SHOWNORMAL, const std::string& arguments = std::string());
    // Clicks the button `control` of `form` and waits for the form
    // `formName` of the same program to be shown.
    HWND Open(HWND form, const std::string& control, const std::string& formName);
    DWORD LastId() const { return lastId_; }
    // Prepares the settings key with an install folder of its own (made in
    // the temporary folder when missing) and returns that folder.
    std::string UseInstallFolder(const std::string& name);

  private:
    DWORD lastId_ = 0;
};

// A scene: a step of the gallery that runs on a fresh stage of its own.
using Scene = void (*)(Gallery&);
e2e::Step OnStage(const std::string& name, Scene scene);

// The scenes of each program.
std::vector<e2e::Step> ControlPanelScenes();
std::vector<e2e::Step> RightButtonScenes();
std::vector<e2e::Step> StartupScenes();
std::vector<e2e::Step> InstallerScenes();
std::vector<e2e::Step> RemovalScenes();

} // namespace gallery
