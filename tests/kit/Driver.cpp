#include "Driver.h"

#include <sstream>

#include "Failure.h"
#include "ServiceControl.h"
#include "basVersion.h"

namespace e2e {

uint32_t RequestCount(sim::Client& sim, uint32_t code, uint32_t first) {
    uint32_t count = 0;
    for (const SimJournalEntry& entry : sim.JournalOf(code, first))
        count += 1 + entry.Repeats;
    return count;
}

bool WaitForRequests(sim::Client& sim, uint32_t code, uint32_t first, uint32_t count,
                     DWORD timeoutMs) {
    std::ostringstream what;
    what << count << " requests 0x" << std::hex << code << " from journal entry " << std::dec
         << first;
    return WaitUntil([&] { return RequestCount(sim, code, first) >= count; }, what.str(),
                     timeoutMs);
}

SimState ReadState(sim::Client& sim) {
    SimState state = {};
    if (!sim.GetState(state))
        KIT_FAILURE() << "cannot read the simulated controller's state";
    return state;
}

StoppedDriver::StoppedDriver() : stopped_(StopDriver()) {
    if (!stopped_)
        KIT_FAILURE() << "cannot stop the driver " << basVersion::DriverName << ": error "
                      << GetLastError();
}

StoppedDriver::~StoppedDriver() {
    if (!StartDriver())
        KIT_FAILURE() << "cannot start the driver " << basVersion::DriverName << " again: error "
                      << GetLastError();
}

} // namespace e2e
