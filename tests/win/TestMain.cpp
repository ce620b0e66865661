// The main of every cross-built test program: a failure the test kit reports
// (a wait that timed out, a program that would not start) becomes a failure
// of the running test, at the kit's line.
#include <gtest/gtest.h>

#include "Failure.h"

namespace {

void AddTestFailure(const char* file, int line, const std::string& message) {
    ADD_FAILURE_AT(file, line) << message;
}

} // namespace

int main(int argc, char** argv) {
    e2e::SetFailureHook(AddTestFailure);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
