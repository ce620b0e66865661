// The figures of scripts/bench.sh that need a program inside the prefix. Each
// prints one line per figure, with the baseline measured in the same run.
#pragma once

namespace bench {

// Start to visible window of a deliverable against the bare window program,
// alternating the two; medians of `runs` starts each.
int StartToWindow(const char* fileName, int runs);
// CPU share of the armed right-button tool (baseline: the tool idle), and the
// time from a touch to the tool's disarming.
int ArmedToolCpu(int seconds);
// CPU share of the control panel while its calibration awaits the first point
// (baseline: the control panel idle on its main window).
int WaitingCalibrationCpu(int seconds);
// Time per driver request against a plain round trip to the Wine server.
int DriverRequest(int rounds);

} // namespace bench
