// The driver installation: the initial settings and the reseller's identity,
// then the PS/2 device detection, INF edit and registration (PS/2 build) or
// the restart of Windows (serial build).
#pragma once

namespace basMain {

// The whole installation; the program's exit code.
int Main();

// Sets basOEM::HardwareID to the PS/2 pointing device found in the i8042prt
// port enumeration, or to "*PNPnone"; true when one was found.
bool DetectPs2HardwareId();
// The detected device, or the build's hardware id when none was found.
void ChoosePs2HardwareId();

} // namespace basMain
