#include "Failure.h"

#include <cstdio>

namespace e2e {

namespace {

int failures = 0;

// A plain program's report: indented like the checks it prints, without the
// kit's own place, which tells its user nothing.
void PrintFailure(const char*, int, const std::string& message) {
    fprintf(stderr, "  failure: %s\n", message.c_str());
    fflush(stderr);
}

FailureHook hook = PrintFailure;

} // namespace

FailureHook SetFailureHook(FailureHook replacement) {
    const FailureHook previous = hook;
    hook = replacement ? replacement : PrintFailure;
    return previous;
}

int FailureCount() {
    return failures;
}

Failure::~Failure() {
    ++failures;
    hook(file_, line_, text_.str());
}

} // namespace e2e
