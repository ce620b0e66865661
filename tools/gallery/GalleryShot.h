// The gallery's pictures: a window (or message box) as it stands on the
// screen, written as <name>-<build letter>.bmp into the folder named by
// TS_SHOTS_DIR (a Unix path); scripts/screenshots.sh turns them into PNGs.
#pragma once

#include <windows.h>

#include <string>

#include "E2e.h"

namespace gallery {

// Waits for the window to be shown and painted, then writes its picture;
// false, with a test failure, when it cannot.
bool Shoot(HWND window, const std::string& name);

// The same for the first message box of the process, which stays open.
e2e::MessageBoxInfo ShootMessageBox(DWORD processId, const std::string& name);

// Base of the gallery's scenarios: the programs run against the simulated
// controller with a prepared settings key, as in the black-box tests.
class Gallery : public e2e::Scenario {
  protected:
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

} // namespace gallery
