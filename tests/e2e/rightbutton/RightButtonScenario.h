// Scenarios of the right-button tool: the tool started from the deliverables
// folder, found through the registration it leaves in the driver.
#pragma once

#include <string>

#include "E2e.h"

namespace rbtest {

constexpr WPARAM HideCommand = 0x1000;
constexpr WPARAM ShowCommand = 0x1001;
constexpr WPARAM QuitCommand = 0x100E;

// " C-RBF" or " P-RBF".
std::string ToolCaption();

class RightButtonScenario : public e2e::Scenario {
  protected:
    // Starts the tool as the suite does (SW_HIDE) and waits until its window
    // is registered in the driver.
    HWND StartTool(int showCommand = SW_HIDE);
    e2e::Program& Tool() { return *tool_; }
    HWND ToolWindow() const { return window_; }
    HWND ActionButton() const { return button_; }

    // The driver's tool block now.
    WindowBlock Registration();
    // Every SetToolWindow block the driver received from journal entry `first` on.
    std::vector<WindowBlock> SentBlocks(uint32_t first = 0);

    // Sends a WM_USER command and expects it handled with result 0.
    void SendCommand(WPARAM command);

  private:
    e2e::Program* tool_ = nullptr;
    HWND window_ = nullptr;
    HWND button_ = nullptr;
};

// The handle field of a block as a window.
HWND AsWindow(int32_t handle);
int32_t AsHandle(HWND window);

} // namespace rbtest
