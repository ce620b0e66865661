// Scenarios of the control panel: the program started from the deliverables
// folder against the simulated controller, with an install folder of its own
// for the vendor files.
#pragma once

#include <string>

#include "E2e.h"

namespace cptest {

class ControlPanelScenario : public e2e::Scenario {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the control panel and waits until its main window is shown;
    // 0 (and a test failure) when it is not.
    HWND StartPanel();
    e2e::Program& Panel() { return *panel_; }
    // A control of the main window by name; a test failure when missing.
    HWND Control(const std::string& name);

    // Starts the control panel and expects it to end after the error box
    // with this text, titled with the application title.
    void ExpectStartFailure(const std::string& text);

    // The settings key with this install folder; a test failure when unwritable.
    void UseInstallFolder();
    void PutInstallFile(const std::string& name);
    void RemoveInstallFile(const std::string& name);

  private:
    e2e::Program* panel_ = nullptr;
    HWND main_ = nullptr;
    std::string installDir_;
};

// A control's rectangle in its form's client area, in pixels.
RECT PlaceInForm(HWND control);
// Twips of the design as pixels of this screen.
int PixelsX(int twips);
int PixelsY(int twips);

} // namespace cptest
