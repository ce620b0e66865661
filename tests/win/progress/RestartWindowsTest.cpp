// The restart request through fakes of its four system calls: the calls it
// makes, and the one message for the first step that fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramTitle.h"
#include "WinTestSupport.h"
#include "basExitWin.h"

namespace {

// What each fake returns and leaves as the last-error code.
struct Outcome {
    BOOL result = TRUE;
    DWORD error = 0;
};

// What the fakes return, and the calls they saw.
Outcome open, lookup, adjust, exitWindows;
std::vector<std::string> log;

// A successful call leaves the last-error code as it was; a failing one sets it.
BOOL Finish(const Outcome& outcome) {
    if (outcome.error != 0)
        SetLastError(outcome.error);
    return outcome.result;
}

BOOL WINAPI FakeOpenProcessToken(HANDLE process, DWORD access, HANDLE* token) {
    log.push_back("OpenProcessToken " + std::to_string(access));
    EXPECT_EQ(GetCurrentProcess(), process);
    *token = nullptr;
    return Finish(open);
}

BOOL WINAPI FakeLookupPrivilegeValue(const char* system, const char* name, LUID* luid) {
    log.push_back(std::string("LookupPrivilegeValue ") + name);
    EXPECT_EQ(nullptr, system) << "the local system";
    luid->LowPart = 0x13;
    luid->HighPart = 0;
    return Finish(lookup);
}

BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE, BOOL disableAll, TOKEN_PRIVILEGES* state,
                                      DWORD length, TOKEN_PRIVILEGES* previous, DWORD* returned) {
    log.push_back("AdjustTokenPrivileges");
    EXPECT_FALSE(disableAll);
    EXPECT_EQ(1u, state->PrivilegeCount);
    EXPECT_EQ(0x13u, state->Privileges[0].Luid.LowPart) << "the looked-up privilege";
    EXPECT_EQ(static_cast<DWORD>(SE_PRIVILEGE_ENABLED), state->Privileges[0].Attributes);
    EXPECT_EQ(28u, length);
    EXPECT_NE(nullptr, previous);
    EXPECT_NE(nullptr, returned);
    return Finish(adjust);
}

BOOL WINAPI FakeExitWindowsEx(UINT flags, DWORD reason) {
    log.push_back("ExitWindowsEx " + std::to_string(flags) + " " + std::to_string(reason));
    return Finish(exitWindows);
}

const basExitWin::SystemCalls fakes = {FakeOpenProcessToken, FakeLookupPrivilegeValue,
                                       FakeAdjustTokenPrivileges, FakeExitWindowsEx};

class RestartWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        BasGlobal::SetProgramTitle("Restart Test Title");
        basExitWin::ReplaceCalls(&fakes);
    }
    void TearDown() override { basExitWin::ReplaceCalls(nullptr); }
};

// A stale error code left before the calls does not stop the restart; each
// failing step is reported once and stops the request.
TEST_F(RestartWindows, EachFailingStepIsReportedOnceAndStopsTheRequest) {
    const std::vector<std::string> steps = {"OpenProcessToken 40",
                                            "LookupPrivilegeValue SeShutdownPrivilege",
                                            "AdjustTokenPrivileges", "ExitWindowsEx 18 0"};
    struct Case {
        Outcome* step; // null: every step succeeds
        Outcome outcome;
        std::string text; // empty: no message
        size_t callsMade;
    };
    const std::vector<Case> cases = {
        {nullptr, {}, "", 4},
        {&open, {FALSE, 5}, "Fail to restart system! (OpenProcessToken=0)", 1},
        {&lookup, {FALSE, 1313}, "Fail to restart system! (LookupPrivilegeValue = 1313)", 2},
        // AdjustTokenPrivileges succeeds and still reports a privilege not held.
        {&adjust, {TRUE, 1300}, "Fail to restart system! (AdjustTokenPrivileges = 1300)", 3},
        {&exitWindows, {FALSE, 5}, "Fail to restart system! (ExitWindowsEx=0)", 4},
    };
    for (const Case& c : cases) {
        open = lookup = adjust = exitWindows = Outcome();
        if (c.step)
            *c.step = c.outcome;
        log.clear();
        wintest::BoxRecorder boxes;
        SetLastError(ERROR_ALREADY_EXISTS); // 183, as left by an earlier call
        EXPECT_EQ(c.text.empty(), basExitWin::RestartWindows()) << c.text;
        EXPECT_EQ(std::vector<std::string>(steps.begin(), steps.begin() + c.callsMade), log)
            << c.text;
        ASSERT_EQ(c.text.empty() ? 0u : 1u, boxes.Boxes().size()) << c.text;
        if (c.text.empty())
            continue;
        EXPECT_EQ(c.text, boxes.Boxes()[0].text);
        EXPECT_EQ(static_cast<unsigned>(MB_OK), boxes.Boxes()[0].style) << "OK, no icon";
        EXPECT_EQ("Restart Test Title", boxes.Boxes()[0].title);
    }
}

} // namespace
