// A plain program's checks and steps (the gallery, the life cycle): each check
// is printed as it is made, and the program's exit code says whether all held.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Prints "  ok    <what>: <actual>" or "  WRONG <what>: <actual>" (line ends
// shown as " // ") and reports a failure unless `actual` is `expected`;
// true when it is.
bool Check(const std::string& what, const std::string& expected, const std::string& actual);
// The same for a condition, printed without a value.
bool Check(const std::string& what, bool holds);

struct Step {
    std::string name;
    std::function<void()> run;
};

// Runs the steps the arguments name, in the order of `steps` (every step
// when no argument names one; "Area.*" names every step whose name begins
// with "Area."), each after a line "== <name>", and ends with a summary.
// Returns 0 when no failure was reported, 1 when one was, 2 when an argument
// names no step.
int RunSteps(int argc, char** argv, const std::vector<Step>& steps);

} // namespace e2e
