// Program-wide services of the window runtime: message dispatch, the
// message loop, the end of the program and the screen mouse pointer.
#pragma once

namespace forms {

// Dispatches every pending message and returns when none is left (at once
// when there is none). Safe inside event handlers: poll loops call it
// between polls.
void DoEvents();

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
