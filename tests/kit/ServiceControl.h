// Stops and starts this build's simulated controller through the service
// manager, for tests of a missing driver and of the load-time settings.
#pragma once

namespace e2e {
bool StopDriver();
bool StartDriver();
} // namespace e2e
