// How the kit reports what went wrong (a wait that timed out, a program that
// would not start, a box without the awaited button). A test program hands
// the reports to its test framework through a hook; a plain program (a tool)
// keeps the default, which prints each report and counts it.
#pragma once

#include <sstream>
#include <string>

namespace e2e {

using FailureHook = void (*)(const char* file, int line, const std::string& message);

// Installs `hook` (nullptr: the default) and returns the one it replaces.
FailureHook SetFailureHook(FailureHook hook);
// Reports counted so far, whatever hook took them.
int FailureCount();

// Collects a message and reports it when the statement ends:
//   KIT_FAILURE() << "cannot start " << path;
class Failure {
  public:
    Failure(const char* file, int line) : file_(file), line_(line) {}
    ~Failure();
    Failure(const Failure&) = delete;
    Failure& operator=(const Failure&) = delete;

    template <typename T> Failure& operator<<(const T& value) {
        text_ << value;
        return *this;
    }

  private:
    const char* file_;
    int line_;
    std::ostringstream text_;
};

} // namespace e2e

#define KIT_FAILURE() ::e2e::Failure(__FILE__, __LINE__)
