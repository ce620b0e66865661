#include "Stage.h"

#include "Failure.h"
#include "Settings.h"

namespace e2e {

Stage::~Stage() {
    End();
}

bool Stage::Begin() {
    if (!Sim().IsOpen()) {
        KIT_FAILURE() << "the simulated controller is not reachable: error " << GetLastError();
        return false;
    }
    if (!Sim().Reset()) {
        KIT_FAILURE() << "cannot reset the simulated controller: error " << GetLastError();
        return false;
    }
    PrepareSettingsKey();
    return true;
}

void Stage::End() {
    while (!programs_.empty()) {
        programs_.back()->End();
        programs_.pop_back();
    }
    stoppedDriver_.reset();
}

Program& Stage::Start(const std::string& fileName, int showCommand, const std::string& arguments) {
    programs_.push_back(std::make_unique<Program>());
    programs_.back()->Start(fileName, showCommand, arguments);
    return *programs_.back();
}

Program& Stage::StartPath(const std::string& path, int showCommand, const std::string& arguments) {
    programs_.push_back(std::make_unique<Program>());
    programs_.back()->StartPath(path, showCommand, arguments);
    return *programs_.back();
}

Program& Stage::Adopt(DWORD processId) {
    programs_.push_back(std::make_unique<Program>());
    programs_.back()->Adopt(processId);
    return *programs_.back();
}

sim::Client& Stage::Sim() {
    if (stoppedDriver_)
        KIT_FAILURE() << "the simulated controller is used while the driver is stopped";
    if (!sim_)
        sim_ = std::make_unique<sim::Client>();
    return *sim_;
}

void Stage::StopDriver() {
    sim_.reset();
    stoppedDriver_ = std::make_unique<StoppedDriver>();
}

} // namespace e2e
