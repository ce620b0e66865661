// Base of the black-box scenarios: each runs on a stage of the test kit (a
// reset simulated controller, a freshly prepared settings key), and every
// program it starts is ended when it finishes, whether it passed or not.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Stage.h"

namespace e2e {

class Scenario : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a deliverable; the program lives until the end of the scenario
    // (or until it is ended earlier).
    Program& Start(const std::string& fileName, int showCommand = SW_SHOWNORMAL,
                   const std::string& arguments = std::string()) {
        return stage_.Start(fileName, showCommand, arguments);
    }
    // The same for a program given by its full Windows path (a deliverable
    // copied where the suite puts it).
    Program& StartPath(const std::string& path, int showCommand = SW_SHOWNORMAL,
                       const std::string& arguments = std::string()) {
        return stage_.StartPath(path, showCommand, arguments);
    }
    // Takes a process started by a deliverable into the scenario's care.
    Program& Adopt(DWORD processId) { return stage_.Adopt(processId); }

    // The simulated controller, opened on first use.
    sim::Client& Sim() { return stage_.Sim(); }
    // Stops the driver until the end of the scenario (the controller client
    // is closed first; Sim() is unavailable meanwhile).
    void StopDriver() { stage_.StopDriver(); }

  private:
    Stage stage_;
};

} // namespace e2e
