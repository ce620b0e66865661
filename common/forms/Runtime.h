// Program-wide services of the window runtime: message dispatch, the
// message loop, the end of the program and the screen mouse pointer.
#pragma once

namespace forms {

// Dispatches every pending message and returns when none is left (at once
// when there is none). Safe inside event handlers: poll loops call it
// between polls.
void DoEvents();

// The pace of the suite's poll loops: between two driver polls a loop sleeps
// this long at most, waking at once for a window message, so a wait costs
// almost no CPU while events and touches are still handled promptly.
// Measured under Wine (scripts/bench.sh): 10 ms keeps an armed tool and a
// waiting calibration under 2% of a core, where 5 ms did not for the latter,
// and a touch is still noticed well within 20 ms.
constexpr unsigned long kPollPeriodMs = 10;

// Sleeps until a message arrives or `milliseconds` have passed, then
// dispatches every pending message (as DoEvents). Poll loops call it between
// two polls instead of DoEvents.
void WaitForEvents(unsigned long milliseconds = kPollPeriodMs);

// Keeps handling events for `milliseconds`, sleeping on messages in between.
// Measured with tick-count differences, so a pause across the counter's wrap
// ends on time. Returns early once EndProgram has been called.
void PauseMilliseconds(unsigned long milliseconds);

// Dispatches messages until the last form is unloaded or EndProgram is
// called; returns the exit code (0 unless EndProgram gave one).
int RunMessageLoop();

// Ends the program: destroys every form without unload events and makes the
// message loop return. The caller's handler still has to return.
void EndProgram(int exitCode = 0);
// True after EndProgram until RunMessageLoop has returned.
bool EndRequested();

// The pointer over all of the program's windows.
enum class MousePointer { Default = 0, Hourglass = 11 };
void SetScreenMousePointer(MousePointer pointer);
MousePointer ScreenMousePointer();

} // namespace forms
