// Scenarios of the startup agent: the agent started from the deliverables
// folder as the logon starts it, the companions it starts taken into the
// scenario's care, and Windows' double-click values under HKEY_CURRENT_USER
// Control Panel\Mouse read back.
#pragma once

#include <string>

#include "E2e.h"

namespace aotest {

class StartupScenario : public e2e::Scenario {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The agent with its command line, shown normally.
    e2e::Program& StartAgent(const std::string& arguments = std::string());
    // The window of the agent started with `arguments`, awaited shown; 0 on failure.
    HWND StartAgentWindow(const std::string& arguments, e2e::Program*& agent);
    // The record with the right-button function on in stream mode.
    void PresetToolOn(uint8_t autoMode, bool withoutController = false);
    // Waits for the agent to end by itself and checks its window showed.
    void ExpectLogonRunEnds(e2e::Program& agent);

    // A folder without the companion programs, to install the agent in.
    std::string EmptyInstallFolder();

    // The window handle of a running tool registered with the driver, or 0.
    HWND RegisteredTool();
};

// A REG_SZ value of HKEY_CURRENT_USER Control Panel\Mouse; "(missing)" when
// it is not there.
std::string MouseValue(const std::string& name);
void WriteMouseValue(const std::string& name, const std::string& text);

} // namespace aotest
