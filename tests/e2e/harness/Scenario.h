// Base of the black-box scenarios: each starts from a reset simulated
// controller and a freshly prepared settings key, and every program it
// starts is ended when it finishes, whether it passed or not.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Driver.h"
#include "Program.h"
#include "Settings.h"

namespace e2e {

class Scenario : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a deliverable; the program lives until the end of the scenario
    // (or until it is ended earlier).
    Program& Start(const std::string& fileName, int showCommand = SW_SHOWNORMAL,
                   const std::string& arguments = std::string());
    // The same for a program given by its full Windows path (a deliverable
    // copied where the suite puts it).
    Program& StartPath(const std::string& path, int showCommand = SW_SHOWNORMAL,
                       const std::string& arguments = std::string());
    // Takes a process started by a deliverable into the scenario's care.
    Program& Adopt(DWORD processId);

    // The simulated controller, opened on first use.
    sim::Client& Sim();
    // Stops the driver until the end of the scenario (the controller client
    // is closed first; Sim() is unavailable meanwhile).
    void StopDriver();

  private:
    std::vector<std::unique_ptr<Program>> programs_;
    std::unique_ptr<sim::Client> sim_;
    std::unique_ptr<StoppedDriver> stoppedDriver_;
};

} // namespace e2e
