#include "Scenario.h"

namespace e2e {

void Scenario::SetUp() {
    ASSERT_TRUE(Sim().IsOpen()) << "the simulated controller is not reachable: error "
                                << GetLastError();
    ASSERT_TRUE(Sim().Reset());
    PrepareSettingsKey();
}

void Scenario::TearDown() {
    // Newest first: a program may have been started by an older one.
    while (!programs_.empty()) {
        programs_.back()->End();
        programs_.pop_back();
    }
    stoppedDriver_.reset();
}

Program& Scenario::Start(const std::string& fileName, int showCommand,
                         const std::string& arguments) {
    programs_.push_back(std::make_unique<Program>());
    programs_.back()->Start(fileName, showCommand, arguments);
    return *programs_.back();
}

Program& Scenario::StartPath(const std::string& path, int showCommand,
                             const std::string& arguments) {
    programs_.push_back(std::make_unique<Program>());
    programs_.back()->StartPath(path, showCommand, arguments);
    return *programs_.back();
}

Program& Scenario::Adopt(DWORD processId) {
    programs_.push_back(std::make_unique<Program>());
    programs_.back()->Adopt(processId);
    return *programs_.back();
}

sim::Client& Scenario::Sim() {
    if (stoppedDriver_)
        ADD_FAILURE() << "the simulated controller is used while the driver is stopped";
    if (!sim_)
        sim_ = std::make_unique<sim::Client>();
    return *sim_;
}

void Scenario::StopDriver() {
    sim_.reset();
    stoppedDriver_ = std::make_unique<StoppedDriver>();
}

} // namespace e2e
