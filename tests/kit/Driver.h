// The simulated controller seen from a scenario: request counts from its
// journal, and taking the driver away for a while.
#pragma once

#include <windows.h>

#include <cstdint>

#include "SimClient.h"
#include "Wait.h"

namespace e2e {

// Requests with `code` in the journal from entry `first` on, identical
// consecutive reads that the journal folds counted one by one.
uint32_t RequestCount(sim::Client& sim, uint32_t code, uint32_t first = 0);

// Awaits at least `count` requests with `code` from journal entry `first` on.
// Since a polling program handles its pending messages between two polls,
// two further polls also prove that input posted before has been handled.
bool WaitForRequests(sim::Client& sim, uint32_t code, uint32_t first, uint32_t count,
                     DWORD timeoutMs = DefaultTimeoutMs);

// The driver's state now; a failure when it cannot be read.
SimState ReadState(sim::Client& sim);

// Stops this build's driver through the service manager and starts it again
// when it goes away. No handle to the device may be open meanwhile.
class StoppedDriver {
  public:
    StoppedDriver();
    ~StoppedDriver();
    StoppedDriver(const StoppedDriver&) = delete;
    StoppedDriver& operator=(const StoppedDriver&) = delete;
    bool Stopped() const { return stopped_; }

  private:
    bool stopped_;
};

} // namespace e2e
