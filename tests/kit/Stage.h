// What a black-box scenario or a gallery picture stands on: a reset
// simulated controller, a freshly prepared settings key, and every program
// started on it ended when it ends, whether what ran on it passed or not.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Driver.h"
#include "Program.h"
#include "SimClient.h"

namespace e2e {

class Stage {
  public:
    Stage() = default;
    ~Stage();
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    // Resets the controller and prepares the settings key; false, with a
    // failure, when the controller cannot be reached or reset.
    bool Begin();
    // Ends the programs, newest first (one may have been started by an older
    // one), and starts a stopped driver again.
    void End();

    // Starts a deliverable; the program lives until End (or until it is
    // ended earlier).
    Program& Start(const std::string& fileName, int showCommand = SW_SHOWNORMAL,
                   const std::string& arguments = std::string());
    // The same for a program given by its full Windows path (a deliverable
    // copied where the suite puts it).
    Program& StartPath(const std::string& path, int showCommand = SW_SHOWNORMAL,
                       const std::string& arguments = std::string());
    // Takes a process started by a deliverable into the stage's care.
    Program& Adopt(DWORD processId);

    // The simulated controller, opened on first use.
    sim::Client& Sim();
    // Stops the driver until End (the controller client is closed first;
    // Sim() is unavailable meanwhile).
    void StopDriver();

  private:
    std::vector<std::unique_ptr<Program>> programs_;
    std::unique_ptr<sim::Client> sim_;
    std::unique_ptr<StoppedDriver> stoppedDriver_;
};

} // namespace e2e
