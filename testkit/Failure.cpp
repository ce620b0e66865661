#include "Failure.h"

#include <cstdio>

namespace e2e {

namespace {

int failures = 0;

void PrintFailure(const char* file, int line, const std::string& message) {
    fprintf(stderr, "%s:%d: failure: %s\n", file, line, message.c_str());
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
